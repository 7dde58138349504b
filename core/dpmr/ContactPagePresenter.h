// ContactPagePresenter: every rule of the "Contact" page of "dPMR param",
// without a user interface. It holds the rows of the grid (name, number,
// call type and record), the focused cell and the one in-place editor that
// may be open. Add and Insert claim a free record at once, Delete frees it at
// once; everything else reaches the image when the page stores (sorted by
// name, then the reference check). Edits that would leave an empty or
// repeated name or number, or a type that is no choice, are refused and the
// cell keeps its text. The Qt page forwards clicks, keys and button presses
// and draws what this class says.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dpmr/ContactList.h"
#include "form/FormPage.h"
#include "image/RadioImage.h"

namespace dpmr {

// Which in-place editor is open: an edit (name, number) or a drop-down list
// (type).
enum class ContactEditor { kNone, kText, kChoice };

class ContactPagePresenter : public form::FormPage {
  public:
    // Columns; column 0 holds the row numbers.
    static constexpr int kNoCol = 0;
    static constexpr int kNameCol = 1;
    static constexpr int kNumberCol = 2;
    static constexpr int kTypeCol = 3;
    static constexpr int kCols = 4;
    static constexpr std::size_t kNameLimit = 8;
    static constexpr std::size_t kNumberLimit = 7;
    static constexpr int kMaxContacts = 64;

    static const std::array<const char*, kCols>& ColumnTitles();
    // What each column holds, for its header's help and the codeplug file.
    static const std::array<const char*, kCols>& ColumnHelp();
    // Relative column widths (pixels of the original page).
    static const std::array<int, kCols>& ColumnWidths();
    // The entries of the "Type" column.
    static const std::vector<std::string>& TypeChoices();

    explicit ContactPagePresenter(RadioImage& image);

    const std::string& Key() const override;
    const std::string& Caption() const override;
    // Rows from the order table; no cell has the focus and no editor is open.
    void LoadFromImage() override;
    // Commits an open editor, then stores the rows sorted by name and clears
    // references to contacts no longer listed.
    void SaveToImage() override;
    void LeaveFocus() override { CommitEdit(); }
    // A contact added, inserted or deleted, or a cell edit that changed it.
    bool UserChanged() const override { return changed_; }

    // ---- Rows (1..RowCount) ----
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Text of a cell: the row number in column 0, else name, number, type.
    std::string Cell(int row, int col) const;
    const ContactRow& Row(int row) const { return rows_[static_cast<std::size_t>(row - 1)]; }

    // ---- Focused cell (0, 0: none) ----
    int CurrentRow() const { return currentRow_; }
    int CurrentCol() const { return currentCol_; }
    // A cell outside the rows or data columns leaves no cell focused.
    void SetCurrentCell(int row, int col);

    // ---- Buttons ----
    bool CanAdd() const { return RowCount() < kMaxContacts; }
    bool CanInsert() const { return CanAdd(); }
    // The last contact cannot be deleted.
    bool CanDelete() const { return RowCount() >= 2; }
    // A new group-call contact ("Name k", the smallest free "%07d" number) in
    // the first free record, written at once: appended (Add) or put before
    // the focused row (Insert; appended when no cell has the focus). The
    // focus stays with the contact that had it. Nothing without a free
    // record.
    void Add();
    void Insert();
    // Frees the focused row's record at once and clears the references to
    // it, so that a contact added later in the same record does not inherit
    // them. Nothing without a focused cell or with one contact left.
    void Delete();

    // ---- End of a cell edit ----
    // True when the cell takes `text` (a number is padded to 7 characters).
    bool EndEdit(int row, int col, const std::string& text);
    // Why the last edit was refused, for the user ("1000002 is already
    // Alice's"); empty when there is nothing to say. Cleared when an edit
    // begins or ends.
    const std::string& Notice() const { return notice_; }

    // ---- In-place editor ----
    // Opens the editor of the focused cell with the cell's text.
    bool BeginEdit();
    ContactEditor OpenEditor() const { return editor_; }
    int EditRow() const { return editRow_; }
    int EditCol() const { return editCol_; }
    const std::string& EditorText() const { return editorText_; }
    // What the user typed, without the characters the column refuses.
    void SetEditorText(std::string_view text);
    // Closes the editor; the cell takes its text unless the edit is refused.
    // False when nothing was open or the edit was refused.
    bool CommitEdit();
    // Closes the editor; the cell keeps its text.
    void CancelEdit();

    // ---- Typing ----
    // Whether column `col` takes the typed character: printable single-byte
    // characters for names, "0123456789*" for numbers.
    static bool Accepts(int col, char c);
    // `text` without refused characters, cut to the column's limit.
    static std::string TypedText(int col, std::string_view text);

  private:
    void AddAt(std::size_t index);
    bool NameTaken(const std::string& name) const;
    bool NumberTaken(const std::string& padded) const;

    RadioImage& image_;
    std::vector<ContactRow> rows_;
    int currentRow_ = 0;
    int currentCol_ = 0;
    ContactEditor editor_ = ContactEditor::kNone;
    int editRow_ = 0;
    int editCol_ = 0;
    std::string editorText_;
    std::string notice_;
    bool changed_ = false;
};

}  // namespace dpmr

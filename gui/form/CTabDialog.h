// CTabDialog: the Qt host of every settings dialog. It holds the FormDialog
// presenter and a Qt page per page: with tabs, a tab change stores the page
// left and loads the page entered, and Enter and Escape are swallowed; without
// tabs (one page), Enter and Escape close the dialog. Closing the dialog in
// any way (its Close button, the close box, a key) stores every page, in tab
// order, once. There is no OK or Cancel: what the user changed is in the
// image when the dialog has closed.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "form/CPageWidget.h"
#include "form/FormDialog.h"

class QPushButton;
class QTabWidget;

class CTabDialog : public QDialog {
    Q_OBJECT
  public:
    // Makes the Qt page of a page; nullptr for the generic page of a field
    // table.
    using PageMaker = std::function<CPageWidget*(dpmr::form::FormPage& page)>;

    // `context`: what pages take from outside the image (the "Freq range"
    // entries of the squelch calibration's band).
    CTabDialog(const dpmr::form::DialogDecl& decl, dpmr::RadioImage& image,
               QWidget* parent = nullptr, const PageMaker& makePage = {},
               const dpmr::form::PageContext& context = {});
    ~CTabDialog() override;

    dpmr::form::FormDialog& Presenter() { return presenter_; }
    QTabWidget* Tabs() const { return tabs_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    CPageWidget* PageWidget(int index) const { return pages_[static_cast<std::size_t>(index)]; }
    QPushButton* CloseButton() const { return close_; }

    // A tab dialog that Escape closes as well (the factory adjustment).
    void SetEscapeCloses(bool on) { escapeCloses_ = on; }

    // Every page loads from the image again and shows it (after a transfer
    // from the radio).
    void ReloadPages();
    // Every page stores into the image (before a transfer to the radio).
    void StorePages();

    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void StoreAndDetach();

    dpmr::form::FormDialog presenter_;
    QTabWidget* tabs_ = nullptr;
    QPushButton* close_ = nullptr;
    std::vector<CPageWidget*> pages_;
    bool escapeCloses_ = false;
};

// CTabDialog: the Qt host of every settings dialog. It holds the FormDialog
// presenter and a Qt page per page: with tabs, a tab change stores the page
// left and loads the page entered, and Enter and Escape are swallowed; without
// tabs (one page), Enter and Escape close the dialog. Closing the dialog in
// any way stores every page, in tab order, once. There is no OK or Cancel:
// what the user changed is in the image when the dialog has closed.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "form/CPageWidget.h"
#include "form/FormDialog.h"

class QTabWidget;

class CTabDialog : public QDialog {
    Q_OBJECT
  public:
    // Makes the Qt page of page `index`; nullptr for the generic page of a
    // field table.
    using PageMaker = std::function<CPageWidget*(dpmr::form::FormPage& page, int index)>;

    CTabDialog(const dpmr::form::DialogDecl& decl, dpmr::RadioImage& image,
               QWidget* parent = nullptr, const PageMaker& makePage = {});
    ~CTabDialog() override;

    dpmr::form::FormDialog& Presenter() { return presenter_; }
    QTabWidget* Tabs() const { return tabs_; }
    CPageWidget* PageWidget(int index) const { return pages_[static_cast<std::size_t>(index)]; }

    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void StoreAndDetach();

    dpmr::form::FormDialog presenter_;
    QTabWidget* tabs_ = nullptr;
    std::vector<CPageWidget*> pages_;
};

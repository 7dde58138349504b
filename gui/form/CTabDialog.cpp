// The settings dialogs' host: tabs, pages, and storing on every way out.
#include "form/CTabDialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "form/CFormPage.h"
#include "form/QtText.h"

CTabDialog::CTabDialog(const dpmr::form::DialogDecl& decl, dpmr::RadioImage& image, QWidget* parent,
                       const PageMaker& makePage, const dpmr::form::PageContext& context)
    : QDialog(parent), presenter_(decl, image, context) {
    setWindowTitle(FieldText(decl.caption));
    setWhatsThis(FieldText(decl.help));
    setAccessibleDescription(FieldText(decl.help));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < presenter_.PageCount(); ++i) {
        dpmr::form::FormPage& page = presenter_.Page(i);
        CPageWidget* widget = makePage ? makePage(page) : nullptr;
        if (!widget) widget = new CFormPage(*presenter_.FieldPageAt(i));
        pages_.push_back(widget);
    }
    if (decl.tabbed) {
        tabs_ = new QTabWidget(this);
        // What a screen reader says for the pages and their row of tabs.
        tabs_->setAccessibleName(FieldText(decl.caption));
        tabs_->tabBar()->setAccessibleName(FieldText(decl.caption));
        for (int i = 0; i < presenter_.PageCount(); ++i)
            tabs_->addTab(pages_[static_cast<std::size_t>(i)],
                          FieldText(presenter_.Page(i).Caption()));
        layout->addWidget(tabs_);
        connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
            const int left = presenter_.CurrentPage();
            presenter_.SelectPage(index);
            if (left >= 0 && left < PageCount()) PageWidget(left)->Refresh();
            PageWidget(index)->Refresh();
        });
    } else {
        for (CPageWidget* page : pages_) layout->addWidget(page);
    }
    // The way out for the keyboard and for a window without a title bar: the
    // same as the close box, so the edits are kept. Enter presses it only
    // when it has the focus; elsewhere Enter keeps its meaning in each dialog.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close_ = buttons->button(QDialogButtonBox::Close);
    close_->setObjectName("closeButton");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CTabDialog::~CTabDialog() {
    StoreAndDetach();
}

void CTabDialog::ReloadPages() {
    for (int i = 0; i < PageCount(); ++i) {
        presenter_.Page(i).LoadFromImage();
        PageWidget(i)->Refresh();
    }
}

void CTabDialog::StorePages() {
    for (int i = 0; i < PageCount(); ++i) presenter_.Page(i).SaveToImage();
}

void CTabDialog::StoreAndDetach() {
    if (presenter_.IsClosed()) return;
    presenter_.Close();
    for (CPageWidget* page : pages_) page->Detach();
}

void CTabDialog::done(int result) {
    StoreAndDetach();
    QDialog::done(result);
}

void CTabDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if (!enter && !escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    // A dialog without tabs closes with either key (and stores); a tab dialog
    // is closed from its caption or its Close button (or Escape, where it
    // says so).
    if (!presenter_.Decl().tabbed)
        done(QDialog::Accepted);
    else if (escape && escapeCloses_)
        reject();
}

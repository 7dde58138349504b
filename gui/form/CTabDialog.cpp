// The settings dialogs' host: tabs, pages, and storing on every way out.
#include "form/CTabDialog.h"

#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "form/CFormPage.h"
#include "form/QtText.h"

CTabDialog::CTabDialog(const dpmr::form::DialogDecl& decl, dpmr::RadioImage& image, QWidget* parent,
                       const PageMaker& makePage)
    : QDialog(parent), presenter_(decl, image) {
    setWindowTitle(ToQt(decl.caption));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < presenter_.PageCount(); ++i) {
        dpmr::form::FormPage& page = presenter_.Page(i);
        CPageWidget* widget = makePage ? makePage(page, i) : nullptr;
        if (!widget) widget = new CFormPage(*presenter_.FieldPageAt(i));
        pages_.push_back(widget);
    }
    if (decl.tabbed) {
        tabs_ = new QTabWidget(this);
        for (int i = 0; i < presenter_.PageCount(); ++i)
            tabs_->addTab(pages_[static_cast<std::size_t>(i)], ToQt(presenter_.Page(i).Caption()));
        layout->addWidget(tabs_);
        connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
            const int left = presenter_.CurrentPage();
            presenter_.SelectPage(index);
            if (left >= 0 && left < static_cast<int>(pages_.size()))
                pages_[static_cast<std::size_t>(left)]->Refresh();
            pages_[static_cast<std::size_t>(index)]->Refresh();
        });
    } else {
        for (CPageWidget* page : pages_) layout->addWidget(page);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CTabDialog::~CTabDialog() {
    StoreAndDetach();
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
    const bool enterOrEscape = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                               event->key() == Qt::Key_Escape;
    if (!enterOrEscape) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    // A dialog without tabs closes with either key (and stores); a tab dialog
    // is closed only from its caption.
    if (!presenter_.Decl().tabbed) done(QDialog::Accepted);
}

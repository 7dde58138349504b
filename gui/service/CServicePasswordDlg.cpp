// The service password dialog.
#include "service/CServicePasswordDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/ServicePassword.h"

CServicePasswordDlg::CServicePasswordDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Password"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("passwordEdit");
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setMaxLength(static_cast<int>(dpmr::kServicePasswordMaxChars));
    auto* label = new QLabel(tr("Pwd"), this);
    label->setBuddy(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CServicePasswordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CServicePasswordDlg::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(260);
}

void CServicePasswordDlg::accept() {
    if (dpmr::IsServicePassword(edit_->text().toStdString())) {
        QDialog::accept();
    } else {
        wrongPassword_ = true;
        reject();
    }
}

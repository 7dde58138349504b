// CAboutDlg: version, copyright and company lines from the settings file.
#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "config/CIniFile.h"

CAboutDlg::CAboutDlg(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle("About");
    const dpmr::CIniFile ini;  // "./Program.ini" of the current folder
    auto* icon = new QLabel;
    icon->setPixmap(QIcon(":/icons/dpmrcps.png").pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* lines = new QVBoxLayout;
    auto* title = new QLabel(caption);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    lines->addWidget(title);
    for (const char* key : {"Version", "Copyright", "Company"}) {
        auto* line = new QLabel(QString::fromStdString(ini.GetString("About", key, "")));
        line->setObjectName(QString("about") + key);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lines->addWidget(line);
    }
    lines->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(lines, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

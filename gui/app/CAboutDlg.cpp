// CAboutDlg: the version, the project's addresses and the settings file's lines.
#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "BuildInfo.h"
#include "config/CIniFile.h"
#include "form/QtText.h"

namespace {

// A line that shows its text as it is: a value of the settings file is no
// markup, and a link is a link only where this program makes one.
QLabel* PlainLine(const QString& text, const QString& name) {
    auto* line = new QLabel(text);
    line->setObjectName(name);
    line->setTextFormat(Qt::PlainText);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

QLabel* LinkLine(const QString& words, const QString& url, const QString& name) {
    auto* line = new QLabel(QString("%1 <a href=\"%2\">%2</a>").arg(words.toHtmlEscaped(), url));
    line->setObjectName(name);
    line->setTextFormat(Qt::RichText);
    line->setOpenExternalLinks(true);
    line->setTextInteractionFlags(Qt::TextBrowserInteraction);
    return line;
}

}  // namespace

CAboutDlg::CAboutDlg(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About"));
    const dpmr::CIniFile ini;  // "./Program.ini" of the current folder
    auto* icon = new QLabel;
    icon->setPixmap(QIcon(":/icons/dpmrcps.png").pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* lines = new QVBoxLayout;
    QLabel* title = PlainLine(caption, "aboutTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    lines->addWidget(title);
    lines->addWidget(PlainLine(QString("dpmrcps %1").arg(DPMR_VERSION), "aboutProgramVersion"));
    lines->addWidget(LinkLine(tr("Home page:"), DPMR_HOMEPAGE, "aboutHomePage"));
    lines->addWidget(LinkLine(tr("Report a problem:"), DPMR_REPORT_URL, "aboutReport"));
    lines->addSpacing(8);
    for (const char* key : {"Version", "Copyright", "Company"})
        lines->addWidget(PlainLine(ToQt(ini.GetString("About", key, "")), QString("about") + key));
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

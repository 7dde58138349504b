// CUserGuideDlg: the user guide in a text browser.
#include "app/CUserGuideDlg.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/Resources.h"

QString CUserGuideDlg::GuideHtml(bool withFleet) {
    InitResources();
    QFile file(":/guide/user-guide.html");
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString html = QString::fromUtf8(file.readAll());
    if (!withFleet) {
        const QString begin = "<!-- fleet -->";
        const QString end = "<!-- /fleet -->";
        const qsizetype from = html.indexOf(begin);
        const qsizetype to = html.indexOf(end);
        if (from >= 0 && to > from) html.remove(from, to + end.size() - from);
    }
    return html;
}

CUserGuideDlg::CUserGuideDlg(bool withFleet, QWidget* parent) : QDialog(parent) {
    setWindowTitle("User Guide");
    setObjectName("userGuide");
    browser_ = new QTextBrowser;
    browser_->setObjectName("guideText");
    browser_->setOpenExternalLinks(true);
    browser_->setHtml(GuideHtml(withFleet));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    resize(640, 640);
}

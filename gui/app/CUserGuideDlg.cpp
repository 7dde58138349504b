// CUserGuideDlg: the user guide in a text browser.
#include "app/CUserGuideDlg.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/Resources.h"
#include "dialogs/SettingsReference.h"
#include "form/QtText.h"

namespace {

QString ResourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Puts `with` in place of the part of `html` between the comments
// "<!-- name -->" and "<!-- /name -->", both included.
void ReplacePart(QString& html, const QString& name, const QString& with) {
    const QString begin = "<!-- " + name + " -->";
    const QString end = "<!-- /" + name + " -->";
    const qsizetype from = html.indexOf(begin);
    const qsizetype to = html.indexOf(end);
    if (from >= 0 && to > from) html.replace(from, to + end.size() - from, with);
}

}  // namespace

QString CUserGuideDlg::GuideHtml(bool withFleet, const QString& language) {
    InitResources();
    // The guide in the window's language, when it has been written in it.
    QString html = ResourceText(":/guide/user-guide." + language + ".html");
    if (html.isEmpty()) html = ResourceText(":/guide/user-guide.html");
    if (!withFleet) ReplacePart(html, "fleet", {});
    // The installed guide points to the reference beside it; here it is the
    // guide's last chapter, made from the declarations in the window's language.
    const std::string reference = dpmr::SettingsReferenceHtml(
        [](const std::string& text) { return FromQt(FieldText(text)); });
    ReplacePart(html, "settings-reference", ToQt(reference));
    return html;
}

CUserGuideDlg::CUserGuideDlg(bool withFleet, const QString& language, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("User Guide"));
    setObjectName("userGuide");
    browser_ = new QTextBrowser;
    browser_->setObjectName("guideText");
    browser_->setOpenExternalLinks(true);
    browser_->setHtml(GuideHtml(withFleet, language));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    resize(640, 640);
}

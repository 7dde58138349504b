// CUserGuideDlg: Help > User Guide (F1): the short guide that ships with the
// program (res/guide/user-guide.html, compiled in, so it reads offline), in
// a window that stays open beside the main window.
#pragma once

#include <QDialog>

class QTextBrowser;

class CUserGuideDlg : public QDialog {
    Q_OBJECT

  public:
    // `withFleet`: the program has fleet programming; without it, the guide's
    // section on it is left out.
    CUserGuideDlg(bool withFleet, const QString& language, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

    // The guide's HTML, without the section between <!-- fleet --> and
    // <!-- /fleet --> unless `withFleet`.
    // The guide in `language` ("en", "de", ...), English where it has none.
    static QString GuideHtml(bool withFleet, const QString& language = "en");

  private:
    QTextBrowser* browser_ = nullptr;
};

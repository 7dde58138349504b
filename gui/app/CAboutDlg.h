// CAboutDlg: Help > About: the program's icon, its name and version, the
// home page and where to report a problem, then the three lines of the
// [About] section of "./Program.ini" in the current folder, shown as plain
// text whatever markup they hold.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(const QString& caption, QWidget* parent = nullptr);
};

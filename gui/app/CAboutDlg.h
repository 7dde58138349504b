// CAboutDlg: Help > About: the program's icon and the three lines of the
// [About] section of "./Program.ini" in the current folder.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(const QString& caption, QWidget* parent = nullptr);
};

// CServicePasswordDlg: the small "Password" dialog of the service gate: "Pwd"
// and a masked edit of at most 14 characters, "OK" (default) and "Cancel".
// OK ends the dialog accepted only when the text is the service password
// (letter case ignored); any other text, and Cancel, end it rejected. The
// main window says in its status bar when a wrong password was given.
#pragma once

#include <QDialog>

class QLineEdit;

class CServicePasswordDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CServicePasswordDlg(QWidget* parent = nullptr);

    QLineEdit* PasswordEdit() const { return edit_; }
    // Whether the dialog ended because OK was pressed with another text than
    // the service password (Cancel is not a wrong password).
    bool WrongPassword() const { return wrongPassword_; }

  public slots:
    void accept() override;

  private:
    QLineEdit* edit_ = nullptr;
    bool wrongPassword_ = false;
};

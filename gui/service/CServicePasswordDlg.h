// CServicePasswordDlg: the small "Password" dialog of the service gate: "Pwd"
// and a masked edit of at most 14 characters, "OK" (default) and "Cancel".
// OK ends the dialog accepted only when the text is the service password
// (letter case ignored); any other text, and Cancel, end it rejected, with
// no message.
#pragma once

#include <QDialog>

class QLineEdit;

class CServicePasswordDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CServicePasswordDlg(QWidget* parent = nullptr);

    QLineEdit* PasswordEdit() const { return edit_; }

  public slots:
    void accept() override;

  private:
    QLineEdit* edit_ = nullptr;
};

// CPortSettingDlg: "Port setting": the serial ports this computer has (named
// by the connection doctor: "CH340 cable on /dev/ttyUSB0"), the demo mode's
// virtual radio, and a field for any device path. Ports that cannot be opened
// right now are shown disabled with the reason. The list follows cables as
// they are plugged in and out; a cable plugged in that can be used becomes
// the choice. Under the list, the doctor's findings for the chosen port (and
// for any path, with "Check the connection"), each with its fix. OK stores
// the choice in the port name; Cancel changes nothing.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "link/PortEntry.h"

class CPortWatch;
class QLabel;
class QLineEdit;
class QPushButton;
class QListWidget;
class QListWidgetItem;

class CPortSettingDlg : public QDialog {
    Q_OBJECT
  public:
    // `portName` is read when the dialog opens and written on OK.
    // `demoPortName` is the virtual radio's device path while it runs (empty
    // otherwise); `startDemoRadio` starts it on demand and returns its device
    // path (empty when it cannot be started).
    CPortSettingDlg(std::string& portName, std::string demoPortName,
                    std::function<std::string()> startDemoRadio, QWidget* parent = nullptr);

    QListWidget* portList() const { return list_; }
    QLineEdit* pathEdit() const { return path_; }
    // The connection doctor's findings for the chosen port.
    QLabel* findingsLabel() const { return findings_; }
    QPushButton* checkButton() const { return check_; }
    CPortWatch* portWatch() const { return watch_; }
    // The line that says where the choice is kept when that is not the
    // program folder's "Program.ini" (hidden when `text` is empty).
    void SetKeptNote(const QString& text);
    QLabel* keptNote() const { return keptNote_; }

    // The folder the doctor reads the system's facts from ("/" unless a test
    // hands in a tree of its own).
    void SetDoctorRoot(const std::string& root) { doctorRoot_ = root; }

    // Adds an entry (used for the system's ports; tests add pseudo-terminals).
    // A port already listed is left as it is.
    void AddPort(const PortEntry& entry);
    // Takes a port that went away off the list.
    void RemovePort(const QString& devicePath);

  public slots:
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SelectCurrent();
    void OnItemChanged(QListWidgetItem* item);
    // The doctor's findings for the path in the field; `before` comes first.
    void CheckConnection(const QString& before = {});
    void OnPortAdded(const PortEntry& entry);

    std::string& portName_;
    std::function<std::string()> startDemoRadio_;
    QListWidget* list_ = nullptr;
    QLineEdit* path_ = nullptr;
    QLabel* findings_ = nullptr;
    QPushButton* check_ = nullptr;
    QLabel* keptNote_ = nullptr;
    CPortWatch* watch_ = nullptr;
    std::string doctorRoot_ = "/";
};

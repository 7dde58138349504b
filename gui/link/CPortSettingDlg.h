// CPortSettingDlg: "Port setting": the serial ports this computer has (with
// their USB description and stable /dev/serial/by-id name), the demo mode's
// virtual radio, and a field for any device path. Ports that cannot be opened
// right now are shown disabled with the reason. Under the list, a note says
// when ModemManager may probe the chosen port, and how to stop it. OK stores
// the choice in the port name; Cancel changes nothing.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "link/PortEntry.h"

class QLabel;
class QLineEdit;
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
    QLabel* modemManagerNote() const { return modemNote_; }
    // The line that says where the choice is kept when that is not the
    // program folder's "Program.ini" (hidden when `text` is empty).
    void SetKeptNote(const QString& text);
    QLabel* keptNote() const { return keptNote_; }

    // What is said of a device path about ModemManager (empty: nothing);
    // dpmr::ModemManagerNoteFor unless a test hands in facts of its own.
    void SetModemManagerCheck(std::function<std::string(const std::string&)> check);

    // Adds an entry (used for the system's ports; tests add pseudo-terminals).
    void AddPort(const PortEntry& entry);

  public slots:
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SelectCurrent();
    void OnItemChanged(QListWidgetItem* item);
    void UpdateModemManagerNote();

    std::string& portName_;
    std::function<std::string()> startDemoRadio_;
    QListWidget* list_ = nullptr;
    QLineEdit* path_ = nullptr;
    QLabel* modemNote_ = nullptr;
    QLabel* keptNote_ = nullptr;
    std::function<std::string(const std::string&)> modemManagerCheck_;
};

// CPortWatch: the port lists' side of the port watcher. Emits a port's entry
// (named and judged by the connection doctor) when a cable is plugged in and
// its path when it goes, on the user-interface thread, as the system's event
// arrives (a socket notifier on the watcher; no timer).
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "link/PortEntry.h"

class QSocketNotifier;
namespace dpmr {
class PortWatcher;
}

class CPortWatch : public QObject {
    Q_OBJECT
  public:
    // Watches the system's ports ("/dev").
    explicit CPortWatch(QObject* parent = nullptr);
    ~CPortWatch() override;

    // Watches `folder` instead (tests watch a folder of their own).
    void Watch(const QString& folder);

  signals:
    void PortAdded(const PortEntry& entry);
    void PortRemoved(const QString& devicePath);

  private:
    void OnReadable();

    std::unique_ptr<dpmr::PortWatcher> watcher_;
    QSocketNotifier* notifier_ = nullptr;
};

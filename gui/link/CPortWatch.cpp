// Cables plugged in and out, as signals of the user-interface thread.
#include "link/CPortWatch.h"

#include <QSocketNotifier>

#include "link/PortWatcher.h"

CPortWatch::CPortWatch(QObject* parent) : QObject(parent) {
    Watch("/dev");
}

CPortWatch::~CPortWatch() = default;

void CPortWatch::Watch(const QString& folder) {
    delete notifier_;
    notifier_ = nullptr;
    watcher_ = std::make_unique<dpmr::PortWatcher>(folder.toStdString());
    if (!watcher_->Watching()) return;
    notifier_ = new QSocketNotifier(watcher_->Fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CPortWatch::OnReadable);
}

void CPortWatch::OnReadable() {
    for (const dpmr::PortChange& change : watcher_->TakeChanges()) {
        if (change.kind == dpmr::PortChange::Kind::kAdded)
            emit PortAdded(EntryOf(dpmr::CheckPort(change.path)));
        else
            emit PortRemoved(QString::fromStdString(change.path));
    }
}

// The fleet write's worker thread and its progress reports.
#include "fleet/CFleetWorker.h"

CFleetWorker::CFleetWorker(ProgressShown shown, Finished finished, QObject* parent)
    : QObject(parent), shown_(std::move(shown)), finished_(std::move(finished)) {}

CFleetWorker::~CFleetWorker() {
    cancel_ = true;
    Join();
}

void CFleetWorker::Join() {
    if (thread_.joinable()) thread_.join();
}

void CFleetWorker::Start(const dpmr::RadioImage& document, std::vector<dpmr::FleetTarget> targets,
                         dpmr::FleetRunOptions options) {
    Join();
    {
        std::lock_guard lock(mutex_);
        latest_.assign(targets.size(), {});
        changed_.assign(targets.size(), false);
        posted_ = false;
    }
    cancel_ = false;
    thread_ = std::thread([this, &document, targets = std::move(targets),
                           options = std::move(options)] {
        std::vector<dpmr::FleetRadioResult> results = dpmr::RunFleet(
            document, targets, options, [this](const dpmr::FleetProgress& p) { PostProgress(p); },
            cancel_);
        QMetaObject::invokeMethod(
            this, [this, results = std::move(results)]() mutable { finished_(std::move(results)); },
            Qt::QueuedConnection);
    });
}

void CFleetWorker::PostProgress(const dpmr::FleetProgress& p) {
    std::lock_guard lock(mutex_);
    if (p.index >= latest_.size()) return;
    latest_[p.index] = p;
    changed_[p.index] = true;
    if (posted_) return;
    posted_ = true;
    QMetaObject::invokeMethod(
        this, [this] { ShowProgress(); }, Qt::QueuedConnection);
}

void CFleetWorker::ShowProgress() {
    std::vector<dpmr::FleetProgress> shown;
    {
        std::lock_guard lock(mutex_);
        posted_ = false;
        for (std::size_t i = 0; i < latest_.size(); ++i) {
            if (!changed_[i]) continue;
            changed_[i] = false;
            shown.push_back(latest_[i]);
        }
    }
    for (const dpmr::FleetProgress& p : shown) shown_(p);
}

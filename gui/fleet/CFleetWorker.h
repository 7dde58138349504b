// CFleetWorker: runs a fleet write on its own thread so the dialog stays
// responsive. The radios' progress reaches the user-interface thread as one
// queued call at a time carrying each radio's latest report, so a flood of
// reports never piles up behind the event loop; the results arrive there
// when the run has ended.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "fleet/FleetWrite.h"
#include "image/RadioImage.h"

class CFleetWorker : public QObject {
    Q_OBJECT
  public:
    // Both are called on the user-interface thread.
    using ProgressShown = std::function<void(const dpmr::FleetProgress&)>;
    using Finished = std::function<void(std::vector<dpmr::FleetRadioResult>)>;

    CFleetWorker(ProgressShown shown, Finished finished, QObject* parent);
    // Stops the run and waits for it.
    ~CFleetWorker() override;

    // Writes `document` (kept alive by the caller until the run has ended)
    // into `targets`.
    void Start(const dpmr::RadioImage& document, std::vector<dpmr::FleetTarget> targets,
               dpmr::FleetRunOptions options);
    // Asks every transfer to stop; the run still ends with its results.
    void Cancel() { cancel_ = true; }
    bool Cancelled() const { return cancel_; }
    // Waits for the thread of the last run.
    void Join();
    // Shows the progress reported since the last call.
    void ShowProgress();

  private:
    void PostProgress(const dpmr::FleetProgress& progress);

    ProgressShown shown_;
    Finished finished_;
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    std::mutex mutex_;
    std::vector<dpmr::FleetProgress> latest_;
    std::vector<bool> changed_;
    bool posted_ = false;
};

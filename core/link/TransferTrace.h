// TransferTrace: the wire trace of one transfer as the user started it (a
// Read; a Write with its calibration read and its read-back; a service
// transfer; one radio of a fleet), from the first frame to the result. The
// transfer is run on Link(), whose trace records every session on the
// system's port; Finish keeps the trace among the last ones in the user's
// state folder (and in a file of the user's choosing, dpmrtool's --trace)
// and makes a failed transfer's message say where it is.
#pragma once

#include <functional>
#include <string>

#include "link/ProgramTransfer.h"
#include "link/TransferResult.h"
#include "link/WireTrace.h"

namespace dpmr {

class TransferTrace {
  public:
    // `what` names the transfer ("read", "write", "read-squelch", ...).
    // The trace is kept in `folder` (DefaultTraceFolder() unless given; empty:
    // nowhere) and, when `file` is not empty, written to `file` too.
    TransferTrace(std::string what, const LinkSettings& link, std::string folder,
                  std::string file = {});
    TransferTrace(std::string what, const LinkSettings& link);
    TransferTrace(const TransferTrace&) = delete;
    TransferTrace& operator=(const TransferTrace&) = delete;

    // The link to run the transfer on: the same port and speed, traced here.
    const LinkSettings& Link() const { return link_; }
    // Whether anything was recorded (a port was opened, or tried).
    bool Recorded() const { return !trace_.Text().empty(); }

    // Ends the trace with `outcome` and keeps it; returns its path (`file`
    // when given, else the folder's), empty when it could not be kept, and
    // then Problem() says why. Keeping again writes new files.
    std::string Keep(const std::string& outcome);
    const std::string& Problem() const { return problem_; }

    // Keep with the result's words; a failed result's message gains the
    // line "Wire trace: PATH".
    void Finish(TransferResult& result);

  private:
    std::string what_;
    std::string folder_;
    std::string file_;
    WireTrace trace_;
    LinkSettings link_;
    std::string header_;
    std::string problem_;
};

// Runs `transfer` on a traced link (TransferTrace's Finish included).
TransferResult RunTraced(const std::string& what, const LinkSettings& link,
                         const std::function<TransferResult(const LinkSettings&)>& transfer,
                         const std::string& file = {});

}  // namespace dpmr

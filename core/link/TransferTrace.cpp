// One transfer's trace, from its first frame to its result, and where it is kept.
#include "link/TransferTrace.h"

#include <ctime>

#include "BuildInfo.h"
#include "link/TraceStore.h"
#include "util/FileIo.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

std::string LocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32] = "";
    if (::localtime_r(&now, &local)) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

// The result in one line per line of its message, each after "# ".
std::string Commented(const std::string& label, const std::string& text) {
    std::string out = "# " + label + ":";
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out += " " + text.substr(start, end - start) + "\n#  ";
    return out + " " + text.substr(start) + "\n";
}

}  // namespace

TransferTrace::TransferTrace(std::string what, const LinkSettings& link, std::string folder,
                             std::string file)
    : what_(std::move(what)), folder_(std::move(folder)), file_(std::move(file)), link_(link) {
    link_.trace = &trace_;
    header_ = "# dpmrcps " DPMR_VERSION " wire trace\n# transfer: " + what_ +
              "\n# port: " + link.portName + " at " + std::to_string(link.baudRate) +
              " bit/s\n# started: " + LocalTime() +
              "\n# lines: seconds since the start, then -> to the radio or <- from it, the "
              "bytes in hexadecimal (a block's data after its address, @0100)\n";
}

TransferTrace::TransferTrace(std::string what, const LinkSettings& link)
    : TransferTrace(std::move(what), link, DefaultTraceFolder()) {}

std::string TransferTrace::Keep(const std::string& outcome) {
    const std::string text = header_ + trace_.Text() + Commented("result", outcome);
    problem_.clear();
    std::string kept;
    if (Status s = TraceStore(folder_).Keep(text, what_, &kept); !s)
        problem_ = Fill(Tr("link", "The wire trace was not kept: %1"), {s.message()});
    if (file_.empty()) return kept;
    const Status s = WriteFileAtomically(
        file_, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    if (s) return file_;
    problem_ = Fill(Tr("link", "The wire trace was not written: %1"), {s.message()});
    return kept;
}

void TransferTrace::Finish(TransferResult& result) {
    const char* how = result.succeeded() ? "succeeded" : result.cancelled() ? "stopped" : "failed";
    const std::string path =
        Keep(result.message.empty() ? std::string(how) : std::string(how) + "\n" + result.message);
    if (result.failed() && !path.empty())
        result.message += "\n" + Fill(Tr("link", "Wire trace: %1"), {path});
}

TransferResult RunTraced(const std::string& what, const LinkSettings& link,
                         const std::function<TransferResult(const LinkSettings&)>& transfer,
                         const std::string& file) {
    TransferTrace trace(what, link, DefaultTraceFolder(), file);
    TransferResult result = transfer(trace.Link());
    trace.Finish(result);
    return result;
}

}  // namespace dpmr

// The job report's rows and its CSV.
#include "fleet/FleetJob.h"

#include "util/Checksum.h"
#include "util/Csv.h"

namespace dpmr {

FleetJob MakeFleetJob(std::time_t date, const std::string& templateFile, const RadioImage& document,
                      std::vector<FleetRadioResult> radios) {
    return {date, templateFile, Crc32Hex(document.Span(0, RadioImage::kSize)), std::move(radios)};
}

std::string LocalTimeText(std::time_t when) {
    if (when == 0) return {};
    char text[32] = "";
    std::tm local{};
    if (localtime_r(&when, &local)) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

const std::vector<std::string>& FleetJobColumns() {
    static const std::vector<std::string> kColumns = {
        "date", "template file", "template CRC-32", "port",        "radio",   "radio ID",
        "name", "result",        "verify",          "backup file", "finished"};
    return kColumns;
}

std::vector<std::vector<std::string>> FleetJobRows(const FleetJob& job) {
    std::vector<std::vector<std::string>> rows;
    const std::string date = LocalTimeText(job.date);
    for (const FleetRadioResult& r : job.radios) {
        rows.push_back({date, job.templateFile, job.templateChecksum, r.target.port, RadioMarks(r),
                        r.radioId, r.name, FleetResultText(r), r.verify, r.backupFile,
                        LocalTimeText(r.finishedAt)});
    }
    return rows;
}

std::string FleetJobCsv(const FleetJob& job) {
    std::string out = CsvLine(FleetJobColumns());
    for (const auto& row : FleetJobRows(job)) out += CsvLine(row);
    return out;
}

}  // namespace dpmr

// The radios the backups know, told apart by their squelch calibration.
#include "fleet/FleetHistory.h"

#include <map>

#include "backup/BackupStore.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "util/Translation.h"

namespace dpmr {

std::vector<std::uint8_t> SquelchCalibrationBytes(const RadioImage& image) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < layout::kSquelchValuesSize; ++i)
        out.push_back(image.U8(layout::kSquelchValues + i));
    for (std::size_t i = 0; i < layout::kSquelchThresholdsSize; ++i)
        out.push_back(image.U8(layout::kSquelchThresholds + i));
    return out;
}

Status LoadWrittenRadios(const std::string& folder, std::vector<WrittenRadio>& out) {
    std::vector<BackupEntry> entries;
    if (Status s = BackupStore(folder).List(entries); !s) return s;
    std::vector<WrittenRadio> radios;
    for (const BackupEntry& e : entries) {
        if (e.kind == BackupKind::kFailedWrite) continue;
        RadioImage image;
        if (!LoadImageFile(e.path, image)) continue;
        radios.push_back({e.time, ImageRadioId(image), ImageRadioName(image),
                          SquelchCalibrationBytes(image), e.path});
    }
    out = std::move(radios);
    return Status::Ok();
}

namespace {

// A calibration that tells one radio from another: not erased, and not the
// template's (which a write that copied it gives every radio).
bool Telling(const std::vector<std::uint8_t>& calibration, const RadioImage& document) {
    if (calibration.empty()) return false;
    bool erased = true;
    for (std::uint8_t b : calibration) erased &= b == 0xFF;
    return !erased && calibration != SquelchCalibrationBytes(document);
}

}  // namespace

std::string SameRadioAgain(const FleetTarget& target, const std::vector<std::uint8_t>& calibration,
                           const std::vector<WrittenRadio>& history, const RadioImage& document) {
    if (!Telling(calibration, document)) return {};
    for (const WrittenRadio& w : history) {
        if (!w.thisJob || w.calibration != calibration) continue;
        return Fill(Tr("fleet",
                       "radio %1 (%2) looks like the radio just written as %3 (\"%4\", "
                       "%5): is the next radio on the cable?"),
                    {std::to_string(target.number), target.port, w.time, w.name, w.radioId});
    }
    return {};
}

WrittenRadio JustWritten(const FleetTarget& target, const std::string& radioId,
                         const std::string& name, const std::vector<std::uint8_t>& calibration) {
    return {Fill(Tr("fleet", "radio %1"), {std::to_string(target.number)}),
            radioId,
            name,
            calibration,
            {},
            true};
}

std::string IdOnAnotherRadio(const FleetTarget& target,
                             const std::vector<std::uint8_t>& calibration,
                             const std::vector<WrittenRadio>& history, const RadioImage& document) {
    if (target.radioId.empty() || !Telling(calibration, document)) return {};
    // Each other radio's newest backup (the history is newest first).
    std::map<std::vector<std::uint8_t>, const WrittenRadio*> newest;
    for (const WrittenRadio& w : history) {
        if (w.calibration == calibration || !Telling(w.calibration, document)) continue;
        newest.emplace(w.calibration, &w);
    }
    const WrittenRadio* found = nullptr;
    for (const auto& [marks, w] : newest)
        if (w->radioId == target.radioId && (!found || w->time > found->time)) found = w;
    if (!found) return {};
    return Fill(
        Tr("fleet",
           "radio %1 (%2) is to get the ID %3, which the backups show on another "
           "radio: \"%4\" (backup of %5)"),
        {std::to_string(target.number), target.port, target.radioId, found->name, found->time});
}

}  // namespace dpmr

// ChannelPlan: the licence-free channel plans that Edit > Fill Channels and
// `dpmrtool fill` put into the channel table: PMR446 (16 analog channels,
// 12.5 kHz apart) and dPMR446 (32 digital channels, 6.25 kHz apart, 16 of
// them at a time), with CTCSS tones by a pattern. A fill goes through the
// table's own commits, so the table's band and raster rules hold for it; a
// plan the band does not hold whole, or whose frequencies the frequency
// codec cannot hold exactly, is refused, saying why, before anything changes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelTablePresenter.h"
#include "image/BandLimits.h"
#include "util/Result.h"

namespace dpmr {

enum class PlanId { kPmr446, kDpmr446 };

struct ChannelPlan {
    PlanId id;
    const char* name;  // "PMR446": shown, and the name dpmrtool takes (any case)
    std::int64_t firstHz;
    std::int64_t stepHz;
    int count;                // plan channels 1..count
    const char* channelType;  // the table's "Channel type" text
    bool analog;              // CTCSS tones apply
};

const std::array<ChannelPlan, 2>& ChannelPlans();
const ChannelPlan& PlanOf(PlanId id);
// The plan of that name, in any case ("pmr446"); nothing for another name.
std::optional<PlanId> FindPlan(std::string_view name);
// Plan channel k (1..count) in Hz.
std::int64_t PlanFrequencyHz(const ChannelPlan& plan, int k);
// Its text as the table shows it ("446.006250").
std::string PlanFrequencyText(const ChannelPlan& plan, int k);

// Whether a frequency in Hz comes back as itself through the table's codec:
// the record's tens of Hz, then the 2.5 / 3.125 kHz raster. 446.003125 MHz
// is held (as 44600312 tens of Hz, which the raster brings back to
// 446.003125); 446.001 MHz is not.
bool FrequencyHeldExactly(std::int64_t hz);

// Why the plan cannot go into a table of this band ("" when it can): the band
// must hold every channel of the plan, and the codec each frequency exactly.
std::string WhyPlanNotOffered(const ChannelPlan& plan, const BandLimits& band);

// The CTCSS tones of a fill.
enum class PlanTones {
    kNone,           // every channel filled gets "None" both ways
    kSame,           // `tone` on every channel, Rx and Tx
    kOnePerChannel,  // `tone` on the first channel filled, the next CTCSS tone of the list on the
                     // next
};

struct FillRequest {
    PlanId plan = PlanId::kPmr446;
    int firstPlanChannel = 1;  // the plan channel the first row gets
    std::set<int> rows{};      // the table rows (1..16) to fill; empty: all 16
    PlanTones tones = PlanTones::kNone;
    std::string tone{};  // a CTCSS tone of the tone list ("67.0"), for kSame and kOnePerChannel
};

// The tone each filled row gets in order ("None" for kNone), or why the
// request cannot be filled: a first plan channel outside the plan, a row
// outside 1..16, tones asked of a digital plan, a tone that is no CTCSS tone
// of the list, or one tone per channel running past the list's last tone.
struct FillPlanOut {
    std::vector<int> rows;  // the rows filled, in order
    std::vector<int> planChannels;
    std::vector<std::string> tones;  // empty for a digital plan (tones are kept)
    std::set<int> leftOut;           // rows the plan ran out for
};
Status PlanFill(const FillRequest& request, FillPlanOut& out);

struct FillReport {
    std::set<int> filled;
    // What was done, then what was left out or changed, one line each.
    std::vector<std::string> lines;
};

// Fills the table's rows with the plan through EnterCellText: Rx and Tx
// frequency, "Narrow", the plan's channel type and, for an analog plan, the
// tones. A row without a channel becomes one with the table's defaults first.
// Other fields of a row (power, scan, the digital fields) stay. Refused
// (nothing changed, the words said) when the band does not hold the plan or
// PlanFill refuses. The records are not written: the caller stores the table.
Status FillChannels(ChannelTablePresenter& table, const FillRequest& request, FillReport& report);

}  // namespace dpmr

// The PMR446 and dPMR446 channel plans and their fill of the channel table.
#include "channels/ChannelPlan.h"

#include <algorithm>

#include "codec/FrequencyCodec.h"
#include "codec/ToneCodec.h"
#include "util/DecimalText.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using Table = ChannelTablePresenter;

// The CTCSS entries of the tone list: those after "None" that are no DCS code.
std::vector<std::string> CtcssTones() {
    std::vector<std::string> tones;
    for (const std::string& tone : ToneList())
        if (tone != "None" && tone.front() != 'D') tones.push_back(tone);
    return tones;
}

std::string PlanRange(const ChannelPlan& plan, int first, int last) {
    return std::string(plan.name) + " " +
           (first == last ? std::to_string(first)
                          : std::to_string(first) + "-" + std::to_string(last));
}

}  // namespace

const std::array<ChannelPlan, 2>& ChannelPlans() {
    static const std::array<ChannelPlan, 2> plans{{
        {PlanId::kPmr446, "PMR446", 446006250, 12500, 16, "Analog", true},
        {PlanId::kDpmr446, "dPMR446", 446003125, 6250, 32, "Digit", false},
    }};
    return plans;
}

const ChannelPlan& PlanOf(PlanId id) {
    return ChannelPlans()[static_cast<std::size_t>(id)];
}

std::optional<PlanId> FindPlan(std::string_view name) {
    for (const ChannelPlan& plan : ChannelPlans())
        if (EqualsIgnoringCase(name, plan.name)) return plan.id;
    return std::nullopt;
}

std::int64_t PlanFrequencyHz(const ChannelPlan& plan, int k) {
    return plan.firstHz + plan.stepHz * (k - 1);
}

std::string PlanFrequencyText(const ChannelPlan& plan, int k) {
    return FormatScaled(PlanFrequencyHz(plan, k), 6);
}

bool FrequencyHeldExactly(std::int64_t hz) {
    if (hz <= 0) return false;
    const std::string shown = FrequencyToText(hz / 10);
    return ParseDecimalText(shown, 6) == hz;
}

std::string WhyPlanNotOffered(const ChannelPlan& plan, const BandLimits& band) {
    const std::int64_t lowest = PlanFrequencyHz(plan, 1);
    const std::int64_t highest = PlanFrequencyHz(plan, plan.count);
    // The band edges are in tens of Hz; the plan's lowest is rounded down and
    // its highest up, so that a band must hold it whole.
    if (lowest / 10 < band.lower || (highest + 9) / 10 > band.upper)
        return Fill(Tr("channels", "%1 needs %2-%3 MHz; this file's band is %4-%5 MHz"),
                    {plan.name, MhzTextOfHz(lowest), MhzTextOfHz(highest), MhzText(band.lower),
                     MhzText(band.upper)});
    for (int k = 1; k <= plan.count; ++k)
        if (!FrequencyHeldExactly(PlanFrequencyHz(plan, k)))
            return Fill(Tr("channels",
                           "%1 channel %2 (%3 MHz) is not on the file's channel "
                           "raster: it would be stored as %4 MHz"),
                        {plan.name, std::to_string(k), MhzTextOfHz(PlanFrequencyHz(plan, k)),
                         FrequencyToText(PlanFrequencyHz(plan, k) / 10)});
    return {};
}

Status PlanFill(const FillRequest& request, FillPlanOut& out) {
    out = {};
    const ChannelPlan& plan = PlanOf(request.plan);
    if (request.firstPlanChannel < 1 || request.firstPlanChannel > plan.count)
        return Status::Error(Fill(
            Tr("channels", "%1 has channels 1 to %2; there is no channel %3"),
            {plan.name, std::to_string(plan.count), std::to_string(request.firstPlanChannel)}));
    std::set<int> rows = request.rows;
    if (rows.empty())
        for (int r = 1; r <= Table::kLastRow; ++r) rows.insert(r);
    for (int r : rows)
        if (r < 1 || r > Table::kLastRow)
            return Status::Error(
                Fill(Tr("channels", "the table has channels 1 to 16; there is no channel %1"),
                     {std::to_string(r)}));
    if (!plan.analog && request.tones != PlanTones::kNone)
        return Status::Error(
            Fill(Tr("channels", "%1 channels are digital: CTCSS tones do not apply to them"),
                 {plan.name}));

    int k = request.firstPlanChannel;
    for (int r : rows) {
        if (k > plan.count) {
            out.leftOut.insert(r);
            continue;
        }
        out.rows.push_back(r);
        out.planChannels.push_back(k++);
    }
    if (!plan.analog) return Status::Ok();

    const std::vector<std::string> ctcss = CtcssTones();
    if (request.tones == PlanTones::kNone) {
        out.tones.assign(out.rows.size(), "None");
        return Status::Ok();
    }
    const auto it = std::find(ctcss.begin(), ctcss.end(), request.tone);
    if (it == ctcss.end())
        return Status::Error(
            Fill(Tr("channels", "%1 is no CTCSS tone of the list (63.0 to 254.1, as \"67.0\")"),
                 {QuoteInput(request.tone)}));
    const auto first = static_cast<std::size_t>(it - ctcss.begin());
    if (request.tones == PlanTones::kSame) {
        out.tones.assign(out.rows.size(), request.tone);
        return Status::Ok();
    }
    const std::size_t needed = out.rows.size();
    if (first + needed > ctcss.size())
        return Status::Error(
            Fill(Tr("channels",
                    "one tone per channel from %1 Hz needs %2 tones; the list has %3 "
                    "from there (start at %4 Hz or lower)"),
                 {request.tone, std::to_string(needed), std::to_string(ctcss.size() - first),
                  ctcss[ctcss.size() - needed]}));
    for (std::size_t n = 0; n < needed; ++n) out.tones.push_back(ctcss[first + n]);
    return Status::Ok();
}

Status FillChannels(ChannelTablePresenter& table, const FillRequest& request, FillReport& report) {
    report = {};
    const ChannelPlan& plan = PlanOf(request.plan);
    if (const std::string why = WhyPlanNotOffered(plan, table.Band()); !why.empty())
        return Status::Error(why);
    FillPlanOut out;
    if (Status s = PlanFill(request, out); !s) return s;
    table.CommitOpenEditors();

    std::vector<std::string> changed;
    const auto enter = [&](int row, int col, const std::string& text) {
        if (std::string words = table.EnterCellText(row, col, text); !words.empty())
            changed.push_back(Fill(Tr("channels", "channel %1: %2"), {std::to_string(row), words}));
    };
    for (std::size_t n = 0; n < out.rows.size(); ++n) {
        const int row = out.rows[n];
        const std::string freq = PlanFrequencyText(plan, out.planChannels[n]);
        enter(row, Table::kRxFreqCol, freq);
        enter(row, Table::kTxFreqCol, freq);
        enter(row, Table::kBandwidthCol, "Narrow");
        enter(row, Table::kTypeCol, plan.channelType);
        if (plan.analog) {
            enter(row, Table::kRxToneCol, out.tones[n]);
            enter(row, Table::kTxToneCol, out.tones[n]);
        }
        report.filled.insert(row);
    }

    if (!out.rows.empty()) {
        const std::string lowest = PlanFrequencyText(plan, out.planChannels.front());
        const std::string frequencies =
            out.rows.size() > 1 ? Fill(Tr("channels", "%1 to %2"),
                                       {lowest, PlanFrequencyText(plan, out.planChannels.back())})
                                : lowest;
        std::string line = Fill(Tr("channels", "%1: %2 (%3 MHz), Narrow, %4"),
                                {ChannelsText(report.filled),
                                 PlanRange(plan, out.planChannels.front(), out.planChannels.back()),
                                 frequencies, Tr("Field", plan.channelType)});
        if (plan.analog)
            line = request.tones == PlanTones::kNone ? Fill(Tr("channels", "%1, no tones"), {line})
                   : request.tones == PlanTones::kSame
                       ? Fill(Tr("channels", "%1, tone %2 Hz"), {line, out.tones.front()})
                       : Fill(Tr("channels", "%1, tones %2 to %3 Hz"),
                              {line, out.tones.front(), out.tones.back()});
        report.lines.push_back(line);
    }
    if (!out.leftOut.empty())
        report.lines.push_back(
            Fill(Tr("channels", "%1 left unchanged: %2 ends at channel %3"),
                 {ChannelsText(out.leftOut), plan.name, std::to_string(plan.count)}));
    report.lines.insert(report.lines.end(), changed.begin(), changed.end());
    return Status::Ok();
}

}  // namespace dpmr

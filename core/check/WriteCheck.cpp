// The look over an image before a Write: channels against the band, contact,
// group list and DTMF references, and the dPMR radio name.
#include "check/WriteCheck.h"

#include <algorithm>

#include "codec/FrequencyCodec.h"
#include "codec/ToneCodec.h"
#include "dialogs/DialogRegistry.h"
#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
#include "form/DtmfSymbols.h"
#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using namespace channel;

// Byte values a reference holds when it names nothing.
bool NamesNothing(std::uint8_t value) {
    return value == 0x00 || value == 0xFF;
}

// The finding about channel `n`: "Channel 3: " and the rest.
std::string OnChannel(int n, const std::string& text) {
    return Fill(Tr("check", "Channel %1: %2"), {std::to_string(n), text});
}

// Why contact `slot` cannot be called or listed, or "" when it can.
std::string ContactFault(const RadioImage& image, int slot) {
    if (slot > layout::kContactCount)
        return Fill(Tr("check", "contact %1 does not exist (contacts are 1-64)"),
                    {std::to_string(slot)});
    if (!contact::InUse(image, contact::SlotOffset(slot)))
        return Fill(Tr("check", "contact %1 is a free contact slot"), {std::to_string(slot)});
    return {};
}

class Checker {
  public:
    explicit Checker(const RadioImage& image) : image_(image) {}

    std::vector<WriteProblem> Run() {
        const std::optional<BandLimits> band = BandLimitsInImage(image_);
        for (int n = 1; n <= layout::kChannelCount; ++n) {
            if (IsChannelEmpty(image_, n)) continue;
            CheckFrequencies(n, band);
            CheckChannelReferences(n);
            CheckTones(n);
        }
        for (int n = 1; n <= layout::kGroupListCount; ++n) CheckGroupList(n);
        const std::string name = form::ShownFieldText(image_, "dpmr.radio_name").value_or("");
        if (name.find_first_not_of(' ') == std::string::npos)
            Add(Severity::kWarning, Tr("check", "The dPMR radio name is empty"));
        std::stable_sort(
            problems_.begin(), problems_.end(), [](const WriteProblem& a, const WriteProblem& b) {
                return a.severity == Severity::kError && b.severity == Severity::kWarning;
            });
        return problems_;
    }

  private:
    void Add(Severity severity, std::string text) {
        problems_.push_back({severity, std::move(text)});
    }

    // Without band bytes in the image there is no band to hold the channels to.
    void CheckFrequencies(int n, const std::optional<BandLimits>& band) {
        const std::size_t r = RecordOffset(n);
        const bool txEmpty = IsTxFrequencyEmpty(image_, n);
        if (txEmpty)
            Add(Severity::kWarning,
                OnChannel(n, Tr("check", "Tx Freq is empty while Rx Freq is set")));
        if (!band) return;
        const std::string bandText = MhzText(band->lower) + "-" + MhzText(band->upper) + " MHz";
        for (auto [pattern, off] :
             {std::pair{DPMR_TR_NOOP("check", "Rx %1 MHz is outside the band %2"), kRxFreq},
              std::pair{DPMR_TR_NOOP("check", "Tx %1 MHz is outside the band %2"), kTxFreq}}) {
            if (off == kTxFreq && txEmpty) continue;
            const std::int64_t value = BcdFrequency(image_, r + off);
            if (band->Contains(value)) continue;
            Add(Severity::kError,
                OnChannel(n, Fill(Tr("check", pattern), {FrequencyToText(value), bandText})));
        }
    }

    // A DCS code off the standard list may not open another radio's squelch.
    void CheckTones(int n) {
        for (auto [pattern, off] :
             {std::pair{DPMR_TR_NOOP("check", "Rx tone %1 is not a standard DCS code"), kRxTone},
              std::pair{DPMR_TR_NOOP("check", "Tx tone %1 is not a standard DCS code"), kTxTone}}) {
            const ToneCode code = ReadToneCode(image_, RecordOffset(n) + off);
            if (IsNonStandardDcs(code))
                Add(Severity::kWarning,
                    OnChannel(n, Fill(Tr("check", pattern), {ToneCodeToText(code)})));
        }
    }

    void CheckChannelReferences(int n) {
        const std::size_t r = RecordOffset(n);
        if (const std::uint8_t slot = image_.U8(r + kTxContact); !NamesNothing(slot)) {
            if (const std::string fault = ContactFault(image_, slot); !fault.empty())
                Add(Severity::kError, OnChannel(n, Fill(Tr("check", "Tx %1"), {fault})));
        }
        if (const std::uint8_t list = image_.U8(r + kGroupList); !NamesNothing(list)) {
            const std::string number = std::to_string(list);
            if (list > layout::kGroupListCount)
                Add(Severity::kError,
                    OnChannel(n,
                              Fill(Tr("check", "group rx list %1 does not exist (lists are 1-16)"),
                                   {number})));
            else if (grouplist::Members(image_, list).empty())
                Add(Severity::kError,
                    OnChannel(n, Fill(Tr("check", "group rx list %1 has no member"), {number})));
        }
        // The field's label as the channel dialog shows it, and the code's number.
        for (auto [label, off] :
             {std::pair{"Analog call 1", kAnalogCall1}, std::pair{"Analog call 2", kAnalogCall2}}) {
            const std::uint8_t code = image_.U8(r + off);
            if (NamesNothing(code)) continue;
            const std::string number = std::to_string(code);
            if (code > 16)
                Add(Severity::kWarning,
                    OnChannel(n, Fill(Tr("check",
                                         "%1 selects DTMF code %2, which does not exist "
                                         "(codes are 1-16)"),
                                      {Tr("Field", label), number})));
            else if (ReadDtmfSymbols(image_,
                                     layout::kDtmfCodes + layout::kDtmfCodeSize * (code - 1u),
                                     layout::kDtmfCodeSize)
                         .empty())
                Add(Severity::kWarning,
                    OnChannel(n, Fill(Tr("check", "%1 selects DTMF code %2, which is empty"),
                                      {Tr("Field", label), number})));
        }
    }

    void CheckGroupList(int n) {
        const std::string list = std::to_string(n);
        for (int slot : grouplist::Members(image_, n)) {
            if (const std::string fault = ContactFault(image_, slot); !fault.empty()) {
                Add(Severity::kError, Fill(Tr("check", "Group rx list %1: %2"), {list, fault}));
            } else if (!contact::IsGroupCall(image_, contact::SlotOffset(slot))) {
                const std::string name = contact::PrintableName(image_, contact::SlotOffset(slot));
                const std::string number = std::to_string(slot);
                Add(Severity::kError,
                    name.empty() ? Fill(Tr("check",
                                           "Group rx list %1: contact %2 is a single call, not a "
                                           "group"),
                                        {list, number})
                                 : Fill(Tr("check",
                                           "Group rx list %1: contact %2 (%3) is a single call, "
                                           "not a group"),
                                        {list, number, name}));
            }
        }
    }

    const RadioImage& image_;
    std::vector<WriteProblem> problems_;
};

}  // namespace

std::vector<WriteProblem> CheckBeforeWrite(const RadioImage& image) {
    return Checker(image).Run();
}

bool HasErrors(const std::vector<WriteProblem>& problems) {
    return std::any_of(problems.begin(), problems.end(),
                       [](const WriteProblem& p) { return p.severity == Severity::kError; });
}

std::string ProblemLine(const WriteProblem& problem) {
    return Fill(problem.severity == Severity::kError ? Tr("check", "error: %1")
                                                     : Tr("check", "warning: %1"),
                {problem.text});
}

}  // namespace dpmr

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

namespace dpmr {

namespace {

using namespace channel;

// Byte values a reference holds when it names nothing.
bool NamesNothing(std::uint8_t value) {
    return value == 0x00 || value == 0xFF;
}

std::string ChannelName(int n) {
    return "Channel " + std::to_string(n) + ": ";
}

// Why contact `slot` cannot be called or listed, or "" when it can.
std::string ContactFault(const RadioImage& image, int slot) {
    if (slot > layout::kContactCount)
        return "contact " + std::to_string(slot) + " does not exist (contacts are 1-64)";
    if (!contact::InUse(image, contact::SlotOffset(slot)))
        return "contact " + std::to_string(slot) + " is a free contact slot";
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
            Add(Severity::kWarning, "The dPMR radio name is empty");
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
            Add(Severity::kWarning, ChannelName(n) + "Tx Freq is empty while Rx Freq is set");
        if (!band) return;
        const std::string bandText = MhzText(band->lower) + "-" + MhzText(band->upper) + " MHz";
        for (auto [which, off] : {std::pair{"Rx", kRxFreq}, std::pair{"Tx", kTxFreq}}) {
            if (off == kTxFreq && txEmpty) continue;
            const std::int64_t value = BcdFrequency(image_, r + off);
            if (band->Contains(value)) continue;
            Add(Severity::kError, ChannelName(n) + which + " " + FrequencyToText(value) +
                                      " MHz is outside the band " + bandText);
        }
    }

    // A DCS code off the standard list may not open another radio's squelch.
    void CheckTones(int n) {
        for (auto [which, off] : {std::pair{"Rx", kRxTone}, std::pair{"Tx", kTxTone}}) {
            const ToneCode code = ReadToneCode(image_, RecordOffset(n) + off);
            if (IsNonStandardDcs(code))
                Add(Severity::kWarning, ChannelName(n) + which + " tone " + ToneCodeToText(code) +
                                            " is not a standard DCS code");
        }
    }

    void CheckChannelReferences(int n) {
        const std::size_t r = RecordOffset(n);
        if (const std::uint8_t slot = image_.U8(r + kTxContact); !NamesNothing(slot)) {
            if (const std::string fault = ContactFault(image_, slot); !fault.empty())
                Add(Severity::kError, ChannelName(n) + "Tx " + fault);
        }
        if (const std::uint8_t list = image_.U8(r + kGroupList); !NamesNothing(list)) {
            const std::string named = "group rx list " + std::to_string(list);
            if (list > layout::kGroupListCount)
                Add(Severity::kError, ChannelName(n) + named + " does not exist (lists are 1-16)");
            else if (grouplist::Members(image_, list).empty())
                Add(Severity::kError, ChannelName(n) + named + " has no member");
        }
        for (auto [label, off] :
             {std::pair{"Analog call 1", kAnalogCall1}, std::pair{"Analog call 2", kAnalogCall2}}) {
            const std::uint8_t code = image_.U8(r + off);
            if (NamesNothing(code)) continue;
            const std::string named =
                ChannelName(n) + label + " selects DTMF code " + std::to_string(code);
            if (code > 16)
                Add(Severity::kWarning, named + ", which does not exist (codes are 1-16)");
            else if (ReadDtmfSymbols(image_,
                                     layout::kDtmfCodes + layout::kDtmfCodeSize * (code - 1u),
                                     layout::kDtmfCodeSize)
                         .empty())
                Add(Severity::kWarning, named + ", which is empty");
        }
    }

    void CheckGroupList(int n) {
        const std::string list = "Group rx list " + std::to_string(n) + ": ";
        for (int slot : grouplist::Members(image_, n)) {
            if (const std::string fault = ContactFault(image_, slot); !fault.empty()) {
                Add(Severity::kError, list + fault);
            } else if (!contact::IsGroupCall(image_, contact::SlotOffset(slot))) {
                const std::string name = contact::PrintableName(image_, contact::SlotOffset(slot));
                Add(Severity::kError, list + "contact " + std::to_string(slot) +
                                          (name.empty() ? "" : " (" + name + ")") +
                                          " is a single call, not a group");
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
    return std::string(problem.severity == Severity::kError ? "error: " : "warning: ") +
           problem.text;
}

}  // namespace dpmr

// Field table of the "Basic" page and the pages of "dPMR param".
#include "dpmr/DpmrParamDialog.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "dpmr/ContactPagePresenter.h"
#include "dpmr/GroupRxListPresenter.h"

namespace dpmr {

using namespace form;

namespace {

const std::vector<std::string> kOffOn{"Off", "On"};

// Whole seconds or counts: clamped when the box is left, after each load and
// before each store.
NumberRule Clamped(int min, int max) {
    return {.min = min, .max = max, .commitAfterLoad = true, .commitBeforeStore = true};
}

// Tenths of a second 0.1..5.0, shown with one decimal.
NumberRule Tenths() {
    return {.scale = Scale::kTenths,
            .min = 1,
            .max = 50,
            .commitAfterLoad = true,
            .commitBeforeStore = true};
}

// A 7-digit identity: padded to 7 digits, `replacement` when it breaks the rule.
FieldDecl Identity(std::string key, std::string label, std::size_t off, Alphabet alphabet,
                   std::string replacement, bool marked) {
    return Digits(std::move(key), std::move(label), Bytes(off, 7), 7,
                  {.alphabet = alphabet,
                   .sevenDigits = true,
                   .replacement = std::move(replacement),
                   .commitAfterLoad = marked,
                   .commitBeforeStore = marked});
}

}  // namespace

PageDecl MakeDpmrBasicPage() {
    return {"dpmr",
            "Basic",
            {
                Text("radio_name", "Radio name", Bytes(0x3F88, 8), 8),
                Identity("radio_id", "Radio id", 0x388, Alphabet::kDigits, "0000001", true),
                Number("group_hold", "Group hold time", Byte(0x39A), Clamped(0, 30), 2),
                Number("single_call", "Single call time", Byte(0x39B), Clamped(0, 30), 2),
                Number("mixed_reset", "Mixed mode reset", Byte(0x39C), Clamped(0, 30), 2),
                List("allow_all_call", "Allow all call", BitAt(0x39F, 7), kOffOn, 0, 0),
                List("codec_type", "Codec type", BitsAt(0x39F, 0, 2),
                     {"AMBE+2C", "ASELP", "ASELP 2"}, 0, 0),
                List("kill_decode", "Kill/active decode", BitAt(0x39F, 2), kOffOn, 0, 0),
                List("kill_type", "Kill type", BitsAt(0x39F, 4, 2),
                     {"Tx inhibit", "tx/rx inhibit", "Kill"}, 0, 0),
                // Any character may be typed; only the padding and the rule apply.
                Identity("kill_code", "Kill code", 0x4B0, Alphabet::kAny, "9999990", false),
                Identity("active_code", "Active code", 0x4B8, Alphabet::kAny, "9999991", false),
                Number("tx_pre_carrier", "tx pre-carrier time", Byte(0x399),
                       {.scale = Scale::kTimes20,
                        .min = 0,
                        .max = 1000,
                        .step = 20,
                        .commit = NumberCommit::kStepDown,
                        .commitAfterLoad = true,
                        .commitBeforeStore = true},
                       4),
                List("dial_access", "Dial access", Byte(0x398), NumberTexts(0, 7), 7, 7),
                List("voice_store", "Voice store/replay", BitAt(0x39F, 3), kOffOn, 0, 0).Hidden(),
                Digits("group_code", "Group code", Bytes(0x390, 7), 7,
                       {.alphabet = Alphabet::kDtmf, .upper = true})
                    .Hidden(),
                List("wake_frame", "Wake frame", Byte(0x39D), NumberTexts(0, 1200, 80), 0, 0),
                List("repeat_mode", "Repeat mode", BitAt(0x39F, 6), {"Direct", "Repeat"}, 0, 0),
                // Bits 3-4: 01 is "1", 10 is "2"; 00 and 11 show "1".
                CodedList("data_type", "Data type", BitsAt(0x378, 3, 2), {"1", "2"}, {1, 2}, 0, 1),
                Number("ack_reply_delay", "ACK reply delay", Byte(0x379), Tenths(), 3),
                // Two characters, so that the 10 the spin reaches can be shown.
                Number("ack_reply_wait", "ACK reply wait", Byte(0x37A), Clamped(0, 10), 2),
                CodedList("ack_reply_times", "ACK reply times", Byte(0x39E), NumberTexts(1, 10),
                          {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0, 1)
                    .Hidden(),
                Number("tx_delay", "Tx delay time", Byte(0x37B), Tenths(), 3),
                Check("oacsu", "OACSU", BitAt(0x378, 0)),
            }};
}

DialogDecl MakeDpmrParamDialog(const PageDecl& basic) {
    return {kDpmrParamCaption,
            true,
            {{&basic, {}},
             {nullptr,
              [](RadioImage& image, const PageContext&) -> std::unique_ptr<FormPage> {
                  return std::make_unique<ContactPagePresenter>(image);
              }},
             {nullptr, [](RadioImage& image, const PageContext&) -> std::unique_ptr<FormPage> {
                  return std::make_unique<GroupRxListPresenter>(image);
              }}}};
}

}  // namespace dpmr

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
    return {
        "dpmr",
        "Basic",
        {
            Text("radio_name", "Radio name", Bytes(0x3F88, 8), 8)
                .Help("The radio's name, up to 8 characters."),
            Identity("radio_id", "Radio id", 0x388, Alphabet::kDigits, "0000001", true)
                .Help("The radio's own dPMR identity, 7 digits: other radios call it by this "
                      "number, and every radio of a group needs its own. 0000000, the whole "
                      "millions 1000000 to 9000000 and numbers above 9000000 are not valid and "
                      "become 0000001."),
            Number("group_hold", "Group hold time", Byte(0x39A), Clamped(0, 30), 2)
                .Help("How long the radio stays in a group call after its last transmission, "
                      "so that an answer goes back to the same group; 0 to 30, in the radio's "
                      "own unit (not known to this program)."),
            Number("single_call", "Single call time", Byte(0x39B), Clamped(0, 30), 2)
                .Help("How long the radio stays in a single call after its last transmission, "
                      "so that an answer goes back to the same radio; 0 to 30, in the radio's "
                      "own unit (not known to this program)."),
            Number("mixed_reset", "Mixed mode reset", Byte(0x39C), Clamped(0, 30), 2)
                .Help("On mixed channels: how long the radio keeps the mode (analog or "
                      "digital) of the last call before it listens for both again; 0 to 30, in "
                      "the radio's own unit (not known to this program)."),
            List("allow_all_call", "Allow all call", BitAt(0x39F, 7), kOffOn, 0, 0)
                .Help("On: the radio receives all calls, the calls addressed to every radio; "
                      "Off: it ignores them."),
            List("codec_type", "Codec type", BitsAt(0x39F, 0, 2), {"AMBE+2C", "ASELP", "ASELP 2"},
                 0, 0)
                .Help("The voice codec of digital calls: AMBE+2C (the codec of the dPMR "
                      "standard, which other makes of dPMR radio use), ASELP or ASELP 2. "
                      "Radios that talk to each other need the same codec."),
            List("kill_decode", "Kill/active decode", BitAt(0x39F, 2), kOffOn, 0, 0)
                .Help("On: the radio obeys the digital remote kill and activate commands (Kill "
                      "code, Active code); Off: it ignores them."),
            List("kill_type", "Kill type", BitsAt(0x39F, 4, 2),
                 {"Tx inhibit", "tx/rx inhibit", "Kill"}, 0, 0)
                .Help("What a received digital kill command does: Tx inhibit (the radio can no "
                      "longer transmit), tx/rx inhibit (it can neither transmit nor receive) "
                      "or Kill (it is disabled)."),
            // Any character may be typed; only the padding and the rule apply.
            Identity("kill_code", "Kill code", 0x4B0, Alphabet::kAny, "9999990", false)
                .Help("The 7-digit code of the digital kill command this radio obeys. An "
                      "invalid code (0000000, a whole million, above 9000000) becomes 9999990."),
            Identity("active_code", "Active code", 0x4B8, Alphabet::kAny, "9999991", false)
                .Help("The 7-digit code of the command that makes a killed radio active again. "
                      "An invalid code (0000000, a whole million, above 9000000) becomes "
                      "9999991."),
            Number("tx_pre_carrier", "tx pre-carrier time", Byte(0x399),
                   {.scale = Scale::kTimes20,
                    .min = 0,
                    .max = 1000,
                    .step = 20,
                    .commit = NumberCommit::kStepDown,
                    .commitAfterLoad = true,
                    .commitBeforeStore = true},
                   4)
                .Help("How long the radio sends carrier before a digital transmission, 0 to "
                      "1000 ms in steps of 20 (a typed value is rounded down to a step)."),
            List("dial_access", "Dial access", Byte(0x398), NumberTexts(0, 7), 7, 7)
                .Help("Dial access, 0 to 7 (byte 0x398). Only the byte and its range are "
                      "known, not what the radio does with it."),
            List("voice_store", "Voice store/replay", BitAt(0x39F, 3), kOffOn, 0, 0)
                .Hidden()
                .Help("Voice store and replay, Off or On (0x39F bit 3): by its name, the radio "
                      "records calls to play them again."),
            Digits("group_code", "Group code", Bytes(0x390, 7), 7,
                   {.alphabet = Alphabet::kDtmf, .upper = true})
                .Hidden()
                .Help("A group code of up to 7 symbols 0-9, A-D, * and # (0x390). Only the "
                      "bytes are known, not what the radio does with them."),
            List("wake_frame", "Wake frame", Byte(0x39D), NumberTexts(0, 1200, 80), 0, 0)
                .Help("Length of the wake-up sent ahead of a digital call, 0 to 1200 in steps "
                      "of 80, so that radios saving battery are awake when the call begins; 0 "
                      "sends none."),
            List("repeat_mode", "Repeat mode", BitAt(0x39F, 6), {"Direct", "Repeat"}, 0, 0)
                .Help("Direct: digital calls go from radio to radio. Repeat: they go through a "
                      "dPMR repeater."),
            // Bits 3-4: 01 is "1", 10 is "2"; 00 and 11 show "1".
            CodedList("data_type", "Data type", BitsAt(0x378, 3, 2), {"1", "2"}, {1, 2}, 0, 1)
                .Help("Data type 1 or 2 (bits 3 and 4 of 0x378). Only the bits are known, not "
                      "which data format each number stands for."),
            Number("ack_reply_delay", "ACK reply delay", Byte(0x379), Tenths(), 3)
                .Help("How long the radio waits before it sends an acknowledgement of a call "
                      "or message, 0.1 to 5.0 seconds."),
            // Two characters, so that the 10 the spin reaches can be shown.
            Number("ack_reply_wait", "ACK reply wait", Byte(0x37A), Clamped(0, 10), 2)
                .Help("How long the radio waits for an acknowledgement of its own call, 0 to "
                      "10, in the radio's own unit (not known to this program)."),
            CodedList("ack_reply_times", "ACK reply times", Byte(0x39E), NumberTexts(1, 10),
                      {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0, 1)
                .Hidden()
                .Help("How many times the radio sends a call that is not acknowledged, 1 to "
                      "10."),
            Number("tx_delay", "Tx delay time", Byte(0x37B), Tenths(), 3)
                .Help("Delay before the radio transmits, 0.1 to 5.0 seconds. Only the byte and "
                      "its range are known, not which transmissions the radio delays."),
            Check("oacsu", "OACSU", BitAt(0x378, 0))
                .Help("Off Air Call Set-Up: before a single call the radio first checks that "
                      "the called radio is there and answers, and only then opens the voice "
                      "link, so that nobody talks into the void. Off: the call starts at once."),
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
             {nullptr,
              [](RadioImage& image, const PageContext&) -> std::unique_ptr<FormPage> {
                  return std::make_unique<GroupRxListPresenter>(image);
              }}},
            false,
            "The radio's dPMR identity and digital call settings, its contacts and its group "
            "receive lists."};
}

}  // namespace dpmr

// Field tables of the "Basic setting" pages.
#include "settings/BasicSettingDialog.h"

#include <string>
#include <vector>

#include "settings/KeyFunctionTable.h"

namespace dpmr {

using namespace form;

namespace {

const std::vector<std::string> kOffOn{"Off", "On"};

std::vector<std::string> SavingModeTexts() {
    std::vector<std::string> texts{"Off"};
    for (int k = 1; k <= 12; ++k) texts.push_back("1:" + std::to_string(k));
    return texts;
}

// A side-key list: entries linked to the function codes by name. A stored
// code above the table shows the list's default; a function the list does not
// offer shows nothing; nothing selected stores the default.
FieldDecl KeyList(std::string key, std::string label, std::size_t off, bool longPress,
                  int defaultCode, const std::string& what) {
    std::vector<std::string> items = longPress ? LongPressFunctions() : ShortPressFunctions();
    std::vector<int> codes;
    int fallback = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        codes.push_back(KeyFunctionCode(items[i]));
        if (codes.back() == defaultCode) fallback = static_cast<int>(i);
    }
    FieldDecl f = CodedList(std::move(key), std::move(label), Byte(off), std::move(items),
                            std::move(codes), fallback, defaultCode);
    f.list.noItemBelow = kKeyFunctionCount;
    const std::string help = "What " + what + " does. " + KeyFunctionsHelp();
    return f.Help(help);
}

}  // namespace

const PageDecl& OptionPageDecl() {
    static const PageDecl page{
        "option",
        "Option",
        {
            List("sql", "SQL", Byte(0x300), NumberTexts(0, 9), 5, 5)
                .Help("Squelch level, 0 to 9: how strong a signal must be before the radio opens "
                      "its speaker. Low levels let weak signals (and more noise) through, high "
                      "levels need stronger signals. Default 5."),
            List("saving_mode", "Saving mode", Byte(0x301), SavingModeTexts(), 10, 10)
                .Help("Battery saving while the radio waits for a signal: Off, or a ratio from 1:1 "
                      "to 1:12. A larger second number lets the receiver sleep longer, saving "
                      "battery, but the start of a call may be missed. Default 1:10."),
            Number("saving_delay", "Saving delay time (s)", Byte(0x302),
                   {.min = 10, .max = 60, .step = 5, .commit = NumberCommit::kStepDown}, 2)
                .Help("Seconds without activity before battery saving starts, 10 to 60 in steps "
                      "of 5 (a typed value is rounded down to a step)."),
            List("apo", "APO", Byte(0x303), {"Off", "10M", "30M", "1H", "2H"}, 0, 0)
                .Help("Automatic power off: the radio switches itself off after 10 or 30 minutes, "
                      "1 or 2 hours without use; Off never does."),
            Number("tot", "TOT (s)", Word(0x308),
                   {.min = 30, .max = 600, .step = 30, .commit = NumberCommit::kStepDown}, 3)
                .Help("Time-out timer: the longest a single transmission may last, 30 to 600 "
                      "seconds in steps of 30 (a typed value is rounded down to a step). The "
                      "radio stops transmitting when it runs out."),
            Number("tot_pre_alert", "TOT pre-aleat  (s)", Byte(0x30A), {.min = 0, .max = 15}, 2)
                .Help("Seconds before the time-out timer runs out at which the radio warns with "
                      "a tone, 0 to 15 (0: no warning)."),
            Number("tot_rekey", "TOT re-key time (s)", Byte(0x30B), {.min = 0, .max = 60}, 2)
                .Help("After a time-out, the seconds the radio waits before it transmits again "
                      "when PTT is pressed, 0 to 60."),
            Number("tot_reset", "TOT reset time (s)", Byte(0x30C), {.min = 0, .max = 30}, 2)
                .Help("Seconds PTT must stay released before the time-out timer starts counting "
                      "afresh, 0 to 30."),
            List("vox", "VOX", Byte(0x310), kOffOn, 0, 0)
                .Help("Voice-operated transmit: On lets the radio transmit when you speak into "
                      "the microphone (with a headset, for example) without pressing PTT."),
            List("vox_sense", "VOX sense", Byte(0x311), NumberTexts(0, 9), 5, 5)
                .Help("VOX sensitivity level, 0 to 9: how readily speech starts a VOX "
                      "transmission. Default 5."),
            Number("vox_delay", "VOX delay (s)", Byte(0x312),
                   {.scale = Scale::kTenths,
                    .min = 1,
                    .max = 20,
                    .byteWrap = true,
                    .commitAfterLoad = true,
                    .commitBeforeStore = true},
                   3)
                .Help("How long the radio keeps transmitting after you stop speaking with VOX, "
                      "0.1 to 2.0 seconds in steps of 0.1."),
            List("ste", "STE", BitsAt(0x307, 2, 2), {"Freq", "120", "180", "240"}, 0, 0)
                .Help("Squelch tail elimination, against the burst of noise heard when the other "
                      "radio stops transmitting: Freq, or 120, 180 or 240, the degrees by which "
                      "the CTCSS tone's phase is turned at the end of a transmission. Use the "
                      "setting the other radios of the group use."),
            List("wired_copy", "Wired copy", BitAt(0x307, 6), kOffOn, 1, 1)
                .Help("Whether the radio may be copied (cloned) to another radio over a cable: "
                      "On allows it, Off refuses."),
            List("wireless_copy", "Wireless copy", BitAt(0x307, 7), kOffOn, 1, 1)
                .Hidden()
                .Help("Whether the radio may copy its configuration to another radio over the "
                      "air: On allows it, Off refuses."),
        }};
    return page;
}

const PageDecl& SideKeyPageDecl() {
    static const PageDecl page{
        "sidekey",
        "Side Key",
        {
            Number("long_key", "Long key (s)", Byte(0x320),
                   {.scale = Scale::kTenths,
                    .min = 5,
                    .max = 25,
                    .byteWrap = true,
                    .loadOutside = 10,
                    .emptyStores = 10},
                   3)
                .Help("How long a side key must be held to count as a long press, 0.5 to 2.5 "
                      "seconds in steps of 0.1 (a stored value outside shows 1.0)."),
            KeyList("tk1_short", "Short press", 0x322, false, 9, "a short press on the top key TK1")
                .InGroup("TK1")
                .Hidden(),
            KeyList("tk1_long", "Long press", 0x323, true, 0, "holding the top key TK1")
                .InGroup("TK1")
                .Hidden(),
            KeyList("sk1_short", "Short press", 0x324, false, 0, "a short press on side key 1")
                .InGroup("SK1"),
            KeyList("sk1_long", "Long press", 0x325, true, 0, "holding side key 1").InGroup("SK1"),
            KeyList("sk2_short", "Short press", 0x326, false, 0, "a short press on side key 2")
                .InGroup("SK2"),
            KeyList("sk2_long", "Long press", 0x327, true, 0, "holding side key 2").InGroup("SK2"),
        }};
    return page;
}

const PageDecl& ToneLightPageDecl() {
    static const PageDecl page{
        "tonelight",
        "Tone and Light",
        {
            Check("shutdown_pre_alert_tone", "Shutdown pre-aleat tone", BitAt(0x318, 0))
                .Help("A warning tone before the radio shuts itself down."),
            Check("shutdown_tone", "Shutdown tone", BitAt(0x318, 1))
                .Help("A tone when the radio is switched off."),
            Check("group_call_tone", "Group call tone", BitAt(0x318, 2))
                .Help("A tone when a group call is received."),
            Check("single_call_tone", "Single call tone", BitAt(0x318, 3))
                .Help("A tone when a single call (a call to this radio alone) is received."),
            Check("low_voltage", "Low voltage", BitAt(0x318, 4))
                .Help("A warning tone when the battery runs low."),
            Check("call_out_tone", "Call out tone", BitAt(0x318, 5))
                .Help("A tone when the radio sends a call."),
            Check("power_on_tone", "Power-on tone", BitAt(0x318, 6))
                .Help("A tone when the radio is switched on."),
            Check("call_link_reset_tone", "Call link reset tone", BitAt(0x319, 6))
                .Help("A tone when a digital call's link ends and the radio returns to its "
                      "channel."),
            Check("rx_exit_tone", "Rx exit tone", BitAt(0x319, 7))
                .Help("A tone when a received transmission ends (a roger beep on reception)."),
            List("voice_broadcast", "Voice broadcast", BitsAt(0x319, 0, 2),
                 {"Off", "Chinese", "English"}, 1, 1)
                .Help("Spoken announcements of the radio (the channel, for example): Off, in "
                      "Chinese or in English."),
            Check("power_on_light", "Power-on light", BitAt(0x31A, 2))
                .Help("The indicator light shows when the radio is switched on."),
            Check("low_voltage_light", "Low voltage light", BitAt(0x31A, 3))
                .Help("The indicator light warns when the battery runs low."),
            Check("scan_state_light", "Scan state light", BitAt(0x31A, 4))
                .Help("The indicator light shows while the radio scans."),
            Check("rx_light", "Rx light", BitAt(0x31A, 5))
                .Help("The indicator light shows while the radio receives."),
            Check("tx_light", "Tx light", BitAt(0x31A, 6))
                .Help("The indicator light shows while the radio transmits."),
            Check("tone", "Tone", BitAt(0x318, 7))
                .Hidden()
                .Help("Bit 7 of byte 0x318; what the radio does with it is not known. The "
                      "channel table sets this bit whenever it stores the channels."),
            Check("light", "Light", BitAt(0x31A, 7))
                .Hidden()
                .Help("Bit 7 of byte 0x31A; what the radio does with it is not known. The "
                      "channel table sets this bit whenever it stores the channels."),
            Check("shock", "Shock", BitAt(0x31B, 0))
                .Hidden()
                .Help("Bit 0 of byte 0x31B, named Shock (a vibrating alert, by its name); "
                      "kept as stored."),
        }};
    return page;
}

const DialogDecl& BasicSettingDialogDecl() {
    static const DialogDecl dialog{
        "Basic setting",
        true,
        {{&OptionPageDecl(), {}}, {&SideKeyPageDecl(), {}}, {&ToneLightPageDecl(), {}}},
        false,
        "The radio's general options (squelch, battery saving, time-out, VOX), what its side "
        "keys do, and its prompt tones and lights."};
    return dialog;
}

}  // namespace dpmr

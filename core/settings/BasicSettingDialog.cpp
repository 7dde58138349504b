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
                  int defaultCode) {
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
    return f;
}

}  // namespace

const PageDecl& OptionPageDecl() {
    static const PageDecl page{
        "option",
        "Option",
        {
            List("sql", "SQL", Byte(0x300), NumberTexts(0, 9), 5, 5),
            List("saving_mode", "Saving mode", Byte(0x301), SavingModeTexts(), 10, 10),
            Number("saving_delay", "Saving delay time (s)", Byte(0x302),
                   {.min = 10, .max = 60, .step = 5, .commit = NumberCommit::kStepDown}, 2),
            List("apo", "APO", Byte(0x303), {"Off", "10M", "30M", "1H", "2H"}, 0, 0),
            Number("tot", "TOT (s)", Word(0x308),
                   {.min = 30, .max = 600, .step = 30, .commit = NumberCommit::kStepDown}, 3),
            Number("tot_pre_alert", "TOT pre-aleat  (s)", Byte(0x30A), {.min = 0, .max = 15}, 2),
            Number("tot_rekey", "TOT re-key time (s)", Byte(0x30B), {.min = 0, .max = 60}, 2),
            Number("tot_reset", "TOT reset time (s)", Byte(0x30C), {.min = 0, .max = 30}, 2),
            List("vox", "VOX", Byte(0x310), kOffOn, 0, 0),
            List("vox_sense", "VOX sense", Byte(0x311), NumberTexts(0, 9), 5, 5),
            Number("vox_delay", "VOX delay (s)", Byte(0x312),
                   {.scale = Scale::kTenths,
                    .min = 1,
                    .max = 20,
                    .byteWrap = true,
                    .commitAfterLoad = true,
                    .commitBeforeStore = true},
                   3),
            List("ste", "STE", BitsAt(0x307, 2, 2), {"Freq", "120", "180", "240"}, 0, 0),
            List("wired_copy", "Wired copy", BitAt(0x307, 6), kOffOn, 1, 1),
            List("wireless_copy", "Wireless copy", BitAt(0x307, 7), kOffOn, 1, 1).Hidden(),
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
                   3),
            KeyList("tk1_short", "Short press", 0x322, false, 9).InGroup("TK1").Hidden(),
            KeyList("tk1_long", "Long press", 0x323, true, 0).InGroup("TK1").Hidden(),
            KeyList("sk1_short", "Short press", 0x324, false, 0).InGroup("SK1"),
            KeyList("sk1_long", "Long press", 0x325, true, 0).InGroup("SK1"),
            KeyList("sk2_short", "Short press", 0x326, false, 0).InGroup("SK2"),
            KeyList("sk2_long", "Long press", 0x327, true, 0).InGroup("SK2"),
        }};
    return page;
}

const PageDecl& ToneLightPageDecl() {
    static const PageDecl page{
        "tonelight",
        "Tone and Light",
        {
            Check("shutdown_pre_alert_tone", "Shutdown pre-aleat tone", BitAt(0x318, 0)),
            Check("shutdown_tone", "Shutdown tone", BitAt(0x318, 1)),
            Check("group_call_tone", "Group call tone", BitAt(0x318, 2)),
            Check("single_call_tone", "Single call tone", BitAt(0x318, 3)),
            Check("low_voltage", "Low voltage", BitAt(0x318, 4)),
            Check("call_out_tone", "Call out tone", BitAt(0x318, 5)),
            Check("power_on_tone", "Power-on tone", BitAt(0x318, 6)),
            Check("call_link_reset_tone", "Call link reset tone", BitAt(0x319, 6)),
            Check("rx_exit_tone", "Rx exit tone", BitAt(0x319, 7)),
            List("voice_broadcast", "Voice broadcast", BitsAt(0x319, 0, 2),
                 {"Off", "Chinese", "English"}, 1, 1),
            Check("power_on_light", "Power-on light", BitAt(0x31A, 2)),
            Check("low_voltage_light", "Low voltage light", BitAt(0x31A, 3)),
            Check("scan_state_light", "Scan state light", BitAt(0x31A, 4)),
            Check("rx_light", "Rx light", BitAt(0x31A, 5)),
            Check("tx_light", "Tx light", BitAt(0x31A, 6)),
            Check("tone", "Tone", BitAt(0x318, 7))
                .Hidden()
                .Tip("The channel table sets this bit whenever it stores the channels."),
            Check("light", "Light", BitAt(0x31A, 7))
                .Hidden()
                .Tip("The channel table sets this bit whenever it stores the channels."),
            Check("shock", "Shock", BitAt(0x31B, 0)).Hidden(),
        }};
    return page;
}

const DialogDecl& BasicSettingDialogDecl() {
    static const DialogDecl dialog{
        "Basic setting",
        true,
        {{&OptionPageDecl(), {}}, {&SideKeyPageDecl(), {}}, {&ToneLightPageDecl(), {}}}};
    return dialog;
}

}  // namespace dpmr

// Field table of the "Scan Info" dialog.
#include "settings/ScanInfoDialog.h"

#include "channels/ChannelEditLists.h"

namespace dpmr {

using namespace form;

namespace {

const std::vector<std::string> kOffOn{"Off", "On"};

// "None" followed by the numbers of the channels that hold a frequency, built
// when the dialog opens. `none` is what "None" (and no selection) stores.
FieldDecl ChannelList(std::string key, std::string label, std::size_t off, int none) {
    FieldDecl f = CodedList(std::move(key), std::move(label), Byte(off), {"None"}, {none}, 0, none);
    f.list.source = PresentChannelItems;
    return f;
}

}  // namespace

const PageDecl& ScanInfoPageDecl() {
    static const PageDecl page{
        "scan",
        "",
        {
            List("mode", "Scan mode", Byte(0x340), {"Time", "Carrier"}, 1, 1),
            List("tone_scan_mode", "Tone scan mode", Byte(0x341),
                 {"Not detect", "Non pri ch", "Priority ch", "all ch"}, 0, 0),
            ChannelList("priority_channel", "Priority channel", 0x348, 0xFF),
            List("talk_back", "Talk back", BitAt(0x347, 0), kOffOn, 0, 0),
            List("begin_beep", "Scan begin beep", BitAt(0x347, 2), kOffOn, 1, 1),
            List("end_beep", "Scan end beep", BitAt(0x347, 3), kOffOn, 1, 1),
            Number("stop_time", "Stop time (s)", Byte(0x342),
                   {.scale = Scale::kTenths,
                    .min = 5,
                    .max = 100,
                    .step = 5,
                    .commit = NumberCommit::kStepDown,
                    .byteWrap = true},
                   4),
            Number("resume_delay", "Scan tx/rx resume delay time (s)", Byte(0x344),
                   {.scale = Scale::kTenths, .min = 1, .max = 50, .byteWrap = true}, 3),
            List("tx_channel", "Scan tx channel", BitsAt(0x347, 6, 2),
                 {"entry ch before scan", "last active ch", "Specified ch"}, 2, 2)
                .Hidden(),
            ChannelList("specified_channel", "Specified channel", 0x34A, 0).Hidden(),
        }};
    return page;
}

const DialogDecl& ScanInfoDialogDecl() {
    static const DialogDecl dialog{"Scan Info", false, {{&ScanInfoPageDecl(), {}}}};
    return dialog;
}

}  // namespace dpmr

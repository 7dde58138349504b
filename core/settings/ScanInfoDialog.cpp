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
            List("mode", "Scan mode", Byte(0x340), {"Time", "Carrier"}, 1, 1)
                .Help("How scanning goes on after it stops on a busy channel: Time moves on after "
                      "the stop time even if the signal is still there; Carrier waits until the "
                      "signal ends."),
            List("tone_scan_mode", "Tone scan mode", Byte(0x341),
                 {"Not detect", "Non pri ch", "Priority ch", "all ch"}, 0, 0)
                .Help("On which channels scanning checks the receive tone before it stops: Not "
                      "detect on none (it stops on any signal), Non pri ch on the channels other "
                      "than the priority channel, Priority ch on the priority channel only, all ch "
                      "on every channel."),
            ChannelList("priority_channel", "Priority channel", 0x348, 0xFF)
                .Help("A channel the radio keeps looking at while it scans, so that a call on it "
                      "is not missed; None for no priority channel. The list offers the channels "
                      "that hold a frequency."),
            List("talk_back", "Talk back", BitAt(0x347, 0), kOffOn, 0, 0)
                .Help("On: pressing PTT while scanning has stopped on a channel answers on that "
                      "channel."),
            List("begin_beep", "Scan begin beep", BitAt(0x347, 2), kOffOn, 1, 1)
                .Help("A beep when scanning starts."),
            List("end_beep", "Scan end beep", BitAt(0x347, 3), kOffOn, 1, 1)
                .Help("A beep when scanning ends."),
            Number("stop_time", "Stop time (s)", Byte(0x342),
                   {.scale = Scale::kTenths,
                    .min = 5,
                    .max = 100,
                    .step = 5,
                    .commit = NumberCommit::kStepDown,
                    .byteWrap = true},
                   4)
                .Help("With scan mode Time: how long scanning stays on a busy channel before it "
                      "moves on, 0.5 to 10.0 seconds in steps of 0.5."),
            Number("resume_delay", "Scan tx/rx resume delay time (s)", Byte(0x344),
                   {.scale = Scale::kTenths, .min = 1, .max = 50, .byteWrap = true}, 3)
                .Help("How long scanning waits after a transmission or a reception ends before it "
                      "goes on, 0.1 to 5.0 seconds."),
            List("tx_channel", "Scan tx channel", BitsAt(0x347, 6, 2),
                 {"entry ch before scan", "last active ch", "Specified ch"}, 2, 2)
                .Hidden()
                .Help("The channel PTT transmits on during a scan: the channel in use before the "
                      "scan began, the last channel where a signal was heard, or the specified "
                      "channel."),
            ChannelList("specified_channel", "Specified channel", 0x34A, 0)
                .Hidden()
                .Help("The channel PTT transmits on during a scan when Scan tx channel is "
                      "Specified ch; None for none."),
        }};
    return page;
}

const DialogDecl& ScanInfoDialogDecl() {
    static const DialogDecl dialog{
        "Scan Info",
        false,
        {{&ScanInfoPageDecl(), {}}},
        false,
        "How the radio scans the channels whose Scan is on, and where it stops and answers."};
    return dialog;
}

}  // namespace dpmr

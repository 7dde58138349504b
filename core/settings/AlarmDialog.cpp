// Field table of the "Alarm" dialog.
#include "settings/AlarmDialog.h"

#include <string>
#include <utility>
#include <vector>

namespace dpmr {

using namespace form;

namespace {

const std::vector<std::string> kProhibitAllow{"prohibit", "allow"};

// A box of whole seconds or minutes: leaving it with a number outside
// min..max (or no number) puts `fallback` in; a number inside stays as typed.
// The spin wraps over min..max.
NumberRule Checked(int min, int max, int fallback) {
    return {.min = min,
            .max = max,
            .commit = NumberCommit::kValidate,
            .invalidText = std::to_string(fallback)};
}

// A byte 0..255 with one value shown as a word, in the box and in its spin;
// leaving the box with a number outside 0..255 puts `invalid` in.
NumberRule WithWord(int value, std::string word, std::string invalid) {
    return {.min = 0,
            .max = 255,
            .commit = NumberCommit::kValidate,
            .invalidText = std::move(invalid),
            .special = value,
            .specialWord = std::move(word)};
}

}  // namespace

PageDecl MakeAlarmPage() {
    return {
        "alarm",
        "",
        {
            List("alarm_type", "Alarm type", Byte(0x350),
                 {"Off", "Only whistle", "Normal", "Secret", "Send alarm id"}, 0, 0)
                .Help("What the emergency alarm does: Off (no alarm), Only whistle (a siren at the "
                      "radio only), Normal, Secret (no sound at the radio) or Send alarm id (the "
                      "alarm id code is sent)."),
            List("id_type", "ID type", Byte(0x351), {"Off", "DTMF"}, 0, 0)
                .Help("How the alarm identity is sent on analog channels: Off (not sent) or DTMF "
                      "(the Analog alarm id code as DTMF tones)."),
            Number("alarm_time", "Alarm time (s)", Byte(0x354), Checked(1, 255, 10), 3)
                .Help("How long the alarm lasts, 1 to 255 seconds (a value outside becomes 10)."),
            Number("tx_time", "Tx time (s)", Byte(0x355), Checked(1, 255, 5), 3)
                .Help("How long the radio transmits in each alarm cycle, 1 to 255 seconds (a value "
                      "outside becomes 5)."),
            Number("rx_time", "Rx time (s)", Byte(0x356), Checked(1, 255, 8), 3)
                .Help("How long the radio listens between the alarm's transmissions, 1 to 255 "
                      "seconds (a value outside becomes 8)."),
            // 0 is an endless alarm.
            Number("cycle", "Cycle", Byte(0x357), WithWord(0, "continue", "continue"), 3)
                .Help("How many transmit and listen cycles the alarm runs, 1 to 255; continue (0) "
                      "repeats them until the alarm is stopped."),
            Digits("analog_id", "Analog alarm id code", Bytes(0x358, 8), 8,
                   {.alphabet = Alphabet::kDtmf, .upper = true})
                .Help("The identity the alarm sends on analog channels as DTMF tones, up to 8 "
                      "symbols (0-9, A-D, * and #)."),
            // Seven digits; an erased id shows an empty box (stored back as
            // seven zeros), an invalid one becomes "9999998". Only characters
            // the radio can store are taken: any other would be written as
            // 0xFF in the middle of the id and cut it short.
            Digits("digit_id", "Digit alarm id code", Bytes(0x360, 7), 7,
                   {.alphabet = Alphabet::kDtmf,
                    .upper = true,
                    .sevenDigits = true,
                    .replacement = "9999998",
                    .padEmptyOnLoad = false})
                .Help("The 7-digit identity the alarm sends on digital channels. 0000000, the "
                      "whole millions 1000000 to 9000000 and numbers above 9000000 are not valid "
                      "and become 9999998."),
            List("work_alone", "Work alone", Byte(0x368), kProhibitAllow, 0, 0)
                .Help("Lone worker: allow makes the radio ask its user to respond after a time "
                      "without use and raise the alarm when nobody does; prohibit switches the "
                      "function off."),
            Number("work_alone_time", "Work alone time (min)", Byte(0x369), Checked(1, 255, 10), 3)
                .Help("Lone worker: minutes without use before the radio asks its user to respond, "
                      "1 to 255 (a value outside becomes 10)."),
            Number("work_alone_pre_remind", "Work alone pre-remind (s)", Byte(0x36A),
                   Checked(0, 255, 10), 3)
                .Help("Lone worker: seconds of warning before the alarm is raised, 0 to 255 (a "
                      "value outside becomes 10)."),
            List("upside", "Upside", Byte(0x370), kProhibitAllow, 0, 0)
                .Hidden()
                .Help("Man down: allow raises the alarm when the radio stays tipped over (its user "
                      "may have fallen); prohibit switches the function off."),
            Number("entry_delay", "Entry delay time (s)", Byte(0x371), Checked(1, 60, 10), 2)
                .Hidden()
                .Help("Man down: seconds the radio must stay tipped over before the function "
                      "starts, 1 to 60 (a value outside becomes 10)."),
            Number("upside_pre_prompt", "Upside pre-prompt  (s)", Byte(0x372), Checked(0, 59, 5), 2)
                .Hidden()
                .Help("Man down: seconds of warning before the alarm is raised, 0 to 59 (a value "
                      "outside becomes 5)."),
            Number("exit_delay", "Exit delay (s)", Byte(0x373), WithWord(255, "unlimited", "10"), 3)
                .Hidden()
                .Help("Man down: exit delay, 0 to 254 seconds, or unlimited (255); a value outside "
                      "becomes 10. Only the byte is known: what the radio times with it is not."),
            // The dPMR settings' bytes, with the alarm's meanings.
            List("auto_contact", "Auto contact", Byte(0x378), kProhibitAllow, 0, 0)
                .Help("Automatic contact: allow lets the radio check in by itself at regular "
                      "times, with the Tx interval and Query interval below; prohibit switches it "
                      "off."),
            // Multiples of 5 from 10 to 60: leaving the box rounds down to
            // the grid, a number outside the range becomes 25.
            Number("tx_interval", "Tx interval (s)", Byte(0x379),
                   {.min = 10,
                    .max = 60,
                    .step = 5,
                    .commit = NumberCommit::kValidate,
                    .invalidText = "25",
                    .reformat = true},
                   2)
                .Help("Automatic contact: seconds between its transmissions, 10 to 60 in steps of "
                      "5 (a typed value is rounded down to a step; a value outside becomes 25)."),
            Number("query_interval", "Query interval (min)", Byte(0x37A), Checked(1, 10, 1), 2)
                .Help("Automatic contact: minutes between its queries, 1 to 10 (a value outside "
                      "becomes 1)."),
        }};
}

DialogDecl MakeAlarmDialog(const PageDecl& page) {
    return {kAlarmCaption,
            false,
            {{&page, {}}},
            false,
            "The emergency alarm, the lone worker function (Work alone), the man-down "
            "function (Upside) and automatic contact."};
}

}  // namespace dpmr

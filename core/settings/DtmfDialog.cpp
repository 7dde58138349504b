// Field tables of the "DTMF" pages.
#include "settings/DtmfDialog.h"

#include <string>
#include <utility>
#include <vector>

#include "image/ImageLayout.h"

namespace dpmr {

using namespace form;

namespace {

const std::vector<std::string> kInhibitAllow{"Inhibit", "Allow"};

// A DTMF code edit: upper-cased, only "0".."9", "A".."D", "*" and "#".
StringRule DtmfCode() {
    return {.alphabet = Alphabet::kDtmf, .upper = true};
}

// Milliseconds in steps of 100, stored as a byte of hundreds: leaving the box
// rounds down to the step and clamps, and so does every load and every store.
FieldDecl Milliseconds(std::string key, std::string label, std::size_t off, int min) {
    return Number(std::move(key), std::move(label), Byte(off),
                  {.scale = Scale::kTimes100,
                   .min = min,
                   .max = 1000,
                   .step = 100,
                   .commit = NumberCommit::kStepDown,
                   .commitAfterLoad = true,
                   .commitBeforeStore = true},
                  4);
}

// "Decode response": "None" 0, "Remind" 2, "Reply" 3, "Remind and Reply" 4
// (so does nothing chosen). Above 4 shows "Remind and Reply"; 1 ("Response")
// has no entry and shows nothing.
FieldDecl DecodeResponse() {
    FieldDecl f = CodedList("decode_response", "Decode response", Byte(0x2031),
                            {"None", "Remind", "Reply", "Remind and Reply"}, {0, 2, 3, 4}, 3, 4);
    f.list.noItemBelow = 2;
    return f;
}

}  // namespace

const PageDecl& DtmfEncodePageDecl() {
    static const PageDecl page{
        "dtmfencode",
        "Encode",
        {
            // The entries stand for digit timing codes; any other stored code
            // shows "10", and nothing chosen stores 10.
            CodedList("speed", "Speed (digit/s)", Byte(0x2000), {"5", "6", "10"}, {100, 75, 50}, 2,
                      10)
                .Help("How fast DTMF digits are sent: 5, 6 or 10 digits a second. Slow down for "
                      "receivers that miss digits."),
            Milliseconds("first_digit_delay", "First digit delay (ms)", 0x2001, 100)
                .Help("Pause between the start of the transmission and the first DTMF digit, 100 "
                      "to 1000 ms in steps of 100, so that the receiver has opened before the "
                      "digits come."),
            Milliseconds("first_digit", "First digit (ms)", 0x2002, 0)
                .Help("Length of the first DTMF digit, 0 to 1000 ms in steps of 100."),
            Milliseconds("star_hash_tone", "*和# tone (ms)", 0x2003, 0)
                .Help("Length of the * and # tones, 0 to 1000 ms in steps of 100."),
            List("short_beep", "Short beep", BitAt(0x2007, 1), kInhibitAllow, 0, 0)
                .Hidden()
                .Help("Short beep, Inhibit or Allow (bit 1 of 0x2007); only the bit is known, not "
                      "what the radio does with it."),
            List("side_tone", "Side tone", BitAt(0x2007, 0), kInhibitAllow, 0, 1)
                .Help("Allow: you hear the DTMF tones in the speaker while the radio sends them; "
                      "Inhibit: they are sent silently."),
            List("pttid_type", "PTTID type", Byte(0x2005), {"On line", "Off line", "Both"}, 0, 0)
                .Help("When a channel with PTTID sends its identity: On line (the On-line code "
                      "when PTT is pressed), Off line (the Off-line code when it is released) or "
                      "Both."),
            Digits("online_code", "On-line code", Bytes(0x2010, 16), 16, DtmfCode())
                .Help("DTMF code sent at the start of a transmission (PTTID type On line or Both), "
                      "up to 16 symbols 0-9, A-D, * and #."),
            Digits("offline_code", "Off-line  code", Bytes(0x2020, 16), 16, DtmfCode())
                .Help("DTMF code sent at the end of a transmission (PTTID type Off line or Both), "
                      "up to 16 symbols 0-9, A-D, * and #."),
            Number("hold_time", "Hold time (s)", Byte(0x2008),
                   {.scale = Scale::kTenths,
                    .min = 5,
                    .max = 20,
                    .commitAfterLoad = true,
                    .commitBeforeStore = true},
                   3)
                .Help("DTMF hold time, 0.5 to 2.0 seconds in steps of 0.1. Only the byte and its "
                      "range are known, not what the radio times with it."),
            List("response_wait", "Response wait", BitAt(0x2007, 7), kInhibitAllow, 0, 0)
                .Help("Allow: after sending a DTMF call the radio waits for an answer for the "
                      "Response wait time; Inhibit: it does not wait."),
            Number("response_wait_time", "Response wait time (s)", Byte(0x2009),
                   {.scale = Scale::kTenths, .min = 5, .max = 100}, 4)
                .Help(
                    "How long the radio waits for an answer to a DTMF call, 0.5 to 10.0 seconds."),
        }};
    return page;
}

const PageDecl& DtmfDecodePageDecl() {
    static const PageDecl page{
        "dtmfdecode",
        "Decode",
        {
            DecodeResponse().Help(
                "What the radio does when it receives a call to its Person ID: None, Remind "
                "(an alert at the radio), Reply (it answers automatically) or Remind and "
                "Reply."),
            // The code's DTMF symbol; "None" (and nothing chosen) is 0xFF. The
            // digits 0..9 and bytes that are no symbol show nothing.
            CodedList("group_call_code", "Group call code", Byte(0x2030),
                      {"None", "A", "B", "C", "D", "*", "#"},
                      {0xFF, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}, -1, 0xFF)
                .Help("The DTMF symbol that makes a received code a group call (A, B, C, D, * or "
                      "#), or None for no group calls."),
            List("kill_active", "Kill Active", BitAt(0x2037, 5), {"Off", "On"}, 0, 1)
                .Help("On: the radio obeys the DTMF remote kill (Kill code) and the command that "
                      "makes it active again; Off: it ignores them."),
            List("kill_type", "Kill type", BitsAt(0x2037, 6, 2),
                 {"tx inhibit", "tx/rx inhibit", "Kill"}, 0, 0)
                .Help("What a received DTMF kill does: tx inhibit (the radio can no longer "
                      "transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it "
                      "is disabled)."),
            // Up to 15 symbols and a "#" after the last one.
            Digits("kill_code", "Kill code", Bytes(0x2050, 16), 15,
                   {.alphabet = Alphabet::kDtmf, .upper = true, .terminator = true})
                .Help("The DTMF code that kills the radio when it is received, up to 15 symbols "
                      "0-9, A-D, * and #; a # is stored after the last one."),
            Digits("person_id", "Person ID", Bytes(0x2040, 16), 16, DtmfCode())
                .Help("The radio's own DTMF identity: a received call with this code is for this "
                      "radio. Up to 16 symbols 0-9, A-D, * and #."),
            Number("auto_reset_time", "Auto reset time (s)", Byte(0x2034),
                   {.min = 0, .max = 255, .commitAfterLoad = true}, 3)
                .Help("Seconds after a decoded DTMF call before the radio returns to its normal "
                      "state, 0 to 255."),
            List("decode_display", "Decode display", BitAt(0x2037, 0), {"prohibit", "allow"}, 0, 1)
                .Help("allow: the radio shows a received DTMF code on its display; prohibit: it "
                      "does not."),
        }};
    return page;
}

const PageDecl& DtmfContactPageDecl() {
    static const PageDecl page = [] {
        PageDecl p{"dtmfcontact", "Contact", {}};
        for (int n = 1; n <= 16; ++n) {
            const std::size_t off = layout::kDtmfCodes + layout::kDtmfCodeSize * (n - 1);
            p.fields.push_back(
                Digits("code" + std::to_string(n), "Code", Bytes(off, layout::kDtmfCodeSize),
                       layout::kDtmfCodeSize, DtmfCode())
                    .InGroup(std::to_string(n))
                    .Help("A DTMF code of up to 16 symbols 0-9, A-D, * and #: a channel sends "
                          "the code of this number as its Analog call 1 or 2 "
                          "(Channel edit > Analog)."));
        }
        return p;
    }();
    return page;
}

const DialogDecl& DtmfDialogDecl() {
    static const DialogDecl dialog{
        "DTMF",
        true,
        {{&DtmfEncodePageDecl(), {}}, {&DtmfDecodePageDecl(), {}}, {&DtmfContactPageDecl(), {}}},
        false,
        "How the radio sends DTMF signalling on analog channels, how it answers received "
        "DTMF (calls, remote kill), and the 16 DTMF codes channels can send."};
    return dialog;
}

}  // namespace dpmr

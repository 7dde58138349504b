// A channel's tone pair to CHIRP's tone mode, cross mode and value columns,
// and back.
#include "interchange/ChirpTone.h"

#include <cstdio>

#include "codec/ToneCodec.h"
#include "util/DecimalText.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

// One direction's tone.
struct Tone {
    enum class Kind { kNone, kCtcss, kDcs } kind = Kind::kNone;
    std::string value;    // CTCSS text ("88.5") or DCS code ("023")
    char polarity = 'N';  // DCS: 'N' normal, 'R' reversed (the radio's "I")
    bool operator==(const Tone&) const = default;
};

Tone ToneOfText(const std::string& text) {
    if (text.empty() || text == "None") return {};
    if (text.front() != 'D') return {Tone::Kind::kCtcss, text};
    // "D023N", "D754I", "D05N": the digits between the letters, three wide.
    const int code = ScanInt(text.substr(1)).value_or(0);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", code);
    return {Tone::Kind::kDcs, digits, text.back() == 'I' ? 'R' : 'N'};
}

std::string Trimmed(std::string_view text) {
    return std::string(TrimBlanks(text));
}

// `line` added to the notes of a row, once.
void AddNote(std::string& notes, const std::string& line) {
    if (notes.find(line) != std::string::npos) return;
    notes += (notes.empty() ? "" : "; ") + line;
}

// A number in exponent form ("1e4", "1E+04") names no tone, though the
// table's commit would read its first digits as a DCS code ("1e4" as D001N):
// the side gets no tone, and the note says so as the table says it of any
// other text that is not a tone. True when `value` was one.
bool ExponentIsNoTone(const std::string& column, const std::string& value, std::string& text,
                      std::string& note) {
    if (!IsExponentNumber(value)) return false;
    AddNote(note, column + ": " + NotAToneNotice(value));
    text = "None";
    return true;
}

// A CTCSS column as the table's tone text: a number is written with one
// decimal ("88.50" -> "88.5"); anything else is passed on for the table to
// judge.
Status CtcssText(const std::string& column, const std::string& value, std::string& text,
                 std::string& note) {
    text = Trimmed(value);
    if (text.empty()) return Status::Error(Fill(Tr("interchange", "%1 is empty"), {column}));
    if (ExponentIsNoTone(column, text, text, note)) return Status::Ok();
    if (const auto tenths = ParseDecimalText(text, 1)) text = FormatScaled(*tenths, 1);
    return Status::Ok();
}

// A DCS column with its polarity letter as the table's tone text ("D023N").
Status DcsText(const std::string& column, const std::string& code, char polarity, std::string& text,
               std::string& note) {
    const std::string digits = Trimmed(code);
    if (digits.empty()) return Status::Error(Fill(Tr("interchange", "%1 is empty"), {column}));
    if (ExponentIsNoTone(column, digits, text, note)) return Status::Ok();
    text = "D" + digits + (polarity == 'R' ? "I" : "N");
    return Status::Ok();
}

}  // namespace

ChirpToneFields ChirpTonesOf(const ChannelTones& tones) {
    const Tone rx = ToneOfText(tones.rx);
    const Tone tx = ToneOfText(tones.tx);
    using Kind = Tone::Kind;
    ChirpToneFields f;
    // The DCS code for receiving goes into both code columns where the
    // transmit side has none, so that readers taking either column agree.
    const auto rxCode = [&f, &rx, &tx] {
        f.rxDtcsCode = rx.value;
        if (tx.kind != Kind::kDcs) f.dtcsCode = rx.value;
    };
    if (tx.kind == Kind::kCtcss) f.rToneFreq = tx.value;
    if (rx.kind == Kind::kCtcss) f.cToneFreq = rx.value;
    if (tx.kind == Kind::kDcs) f.dtcsCode = tx.value;
    if (rx.kind == Kind::kDcs) rxCode();
    f.dtcsPolarity = {tx.kind == Kind::kDcs ? tx.polarity : 'N',
                      rx.kind == Kind::kDcs ? rx.polarity : 'N'};

    if (tx.kind == Kind::kNone && rx.kind == Kind::kNone) {
        f.tone = "";
    } else if (tx.kind == Kind::kCtcss && rx.kind == Kind::kNone) {
        f.tone = "Tone";
    } else if (tx.kind == Kind::kCtcss && rx == Tone{Kind::kCtcss, tx.value}) {
        f.tone = "TSQL";
        f.rToneFreq = f.cToneFreq = tx.value;
    } else if (tx.kind == Kind::kDcs && rx.kind == Kind::kDcs && tx.value == rx.value) {
        f.tone = "DTCS";
    } else {
        const auto side = [](const Tone& t) {
            return t.kind == Kind::kCtcss ? "Tone" : t.kind == Kind::kDcs ? "DTCS" : "";
        };
        f.tone = "Cross";
        f.crossMode = std::string(side(tx)) + "->" + side(rx);
    }
    return f;
}

Status ChannelTonesOf(const ChirpToneFields& fields, ChannelTones& tones, std::string& note) {
    tones = ChannelTones{};
    note.clear();
    // "NN" when empty; each letter N or R in either case.
    std::string polarity = Trimmed(fields.dtcsPolarity);
    if (polarity.empty()) polarity = "NN";
    for (char& c : polarity) c = c == 'n' ? 'N' : c == 'r' ? 'R' : c;
    const auto isPolarity = [](char c) { return c == 'N' || c == 'R'; };
    if (polarity.size() != 2 || !isPolarity(polarity[0]) || !isPolarity(polarity[1]))
        return Status::Error(Fill(Tr("interchange", "DtcsPolarity %1 is not NN, NR, RN or RR"),
                                  {QuoteInput(fields.dtcsPolarity)}));
    // Files written before CHIRP had RxDtcsCode receive on DtcsCode.
    const std::string& rxCode =
        TrimBlanks(fields.rxDtcsCode).empty() ? fields.dtcsCode : fields.rxDtcsCode;
    const auto txCtcss = [&] { return CtcssText("rToneFreq", fields.rToneFreq, tones.tx, note); };
    const auto rxCtcss = [&] { return CtcssText("cToneFreq", fields.cToneFreq, tones.rx, note); };
    const auto txDcs = [&] {
        return DcsText("DtcsCode", fields.dtcsCode, polarity[0], tones.tx, note);
    };
    const auto rxDcs = [&] { return DcsText("RxDtcsCode", rxCode, polarity[1], tones.rx, note); };

    const std::string_view mode = TrimBlanks(fields.tone);
    const auto is = [&mode](std::string_view name) { return EqualsIgnoringCase(mode, name); };
    Status s = Status::Ok();
    if (mode.empty()) return s;
    if (is("Tone")) return txCtcss();
    if (is("TSQL")) {
        if ((s = rxCtcss())) tones.tx = tones.rx;
        return s;
    }
    if (is("DTCS")) {
        if (!(s = txDcs())) return s;
        return DcsText("DtcsCode", fields.dtcsCode, polarity[1], tones.rx, note);
    }
    if (is("TSQL-R") || is("DTCS-R")) {
        note = Fill(Tr("interchange", "tone mode %1 (reverse squelch) is not available: no tones"),
                    {mode});
        return s;
    }
    if (!is("Cross"))
        return Status::Error(Fill(
            Tr("interchange", "Tone %1 is not empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross"),
            {QuoteInput(fields.tone)}));

    // "send->receive", each side empty, Tone or DTCS, not both empty.
    const std::string_view cross = TrimBlanks(fields.crossMode);
    const std::size_t arrow = cross.find("->");
    const std::string_view txSide = cross.substr(0, arrow);
    const std::string_view rxSide = arrow == std::string_view::npos ? "?" : cross.substr(arrow + 2);
    const auto known = [](std::string_view side) {
        return side.empty() || EqualsIgnoringCase(side, "Tone") || EqualsIgnoringCase(side, "DTCS");
    };
    if (!known(txSide) || !known(rxSide) || (txSide.empty() && rxSide.empty()))
        return Status::Error(Fill(Tr("interchange",
                                     "CrossMode %1 is not one of Tone->Tone, "
                                     "Tone->DTCS, DTCS->Tone, ->Tone, ->DTCS, "
                                     "DTCS->, DTCS->DTCS, Tone->"),
                                  {QuoteInput(fields.crossMode)}));
    if (EqualsIgnoringCase(txSide, "Tone")) s = txCtcss();
    if (s && EqualsIgnoringCase(txSide, "DTCS")) s = txDcs();
    if (s && EqualsIgnoringCase(rxSide, "Tone")) s = rxCtcss();
    if (s && EqualsIgnoringCase(rxSide, "DTCS")) s = rxDcs();
    return s;
}

}  // namespace dpmr

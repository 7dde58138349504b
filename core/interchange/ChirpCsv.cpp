// The channels as CHIRP's generic CSV file and back.
//
// What this file relies on about CHIRP's CSV files, from CHIRP's public
// documentation (the wiki pages "Understanding CHIRP's columns" and "Tone
// Modes in CHIRP"), from CSV files CHIRP users have published, and from the
// CHIRP maintainers' issue and pull request threads:
// - The first line names the columns: Location, Name, Frequency, Duplex,
//   Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode,
//   CrossMode, Mode, TStep, Skip, Power, Comment, URCALL, RPT1CALL, RPT2CALL,
//   DVCODE. Older files lack RxDtcsCode and CrossMode (and some others); a
//   reader finds columns by name. Location numbers are the other radio's:
//   they may start at 0 and go far past 16.
// - Frequency and Offset are MHz with six decimals ("446.006250",
//   "0.600000"); TStep is kHz with two ("5.00").
// - Duplex: empty: transmit on Frequency; "+" / "-": transmit Offset above /
//   below it; "split": Offset holds the transmit frequency itself; "off": no
//   transmitting.
// - Tone (the tone mode): empty: no tone either way; "Tone": rToneFreq is
//   sent, receiving is carrier squelch; "TSQL": one tone sent and required on
//   receive (cToneFreq in files, which CHIRP writes equal to rToneFreq);
//   "DTCS": one DCS code sent and required (DtcsCode; CHIRP leaves RxDtcsCode
//   at 023 then); "TSQL-R" / "DTCS-R": reverse squelch; "Cross": the pair is
//   given by CrossMode, "send->receive": Tone->Tone (rToneFreq, cToneFreq),
//   Tone->DTCS (rToneFreq, RxDtcsCode), DTCS->Tone (DtcsCode, cToneFreq),
//   ->Tone (cToneFreq), ->DTCS (RxDtcsCode), DTCS-> (DtcsCode), DTCS->DTCS
//   (DtcsCode, RxDtcsCode), Tone-> (rToneFreq). Files from before RxDtcsCode
//   receive on DtcsCode.
// - DtcsPolarity: two letters, N (normal) or R (reversed), transmit first,
//   receive second; DCS codes are three octal digits ("023").
// - Columns a mode does not use still hold values: 88.5, 88.5, 023, NN, 023,
//   Tone->Tone.
// - Mode: FM (wide), NFM (narrow), and others (AM, WFM, DV, DMR, ...).
// - Skip: empty (scanned), "S" (skipped by scan), "P" (priority scan).
// - Power: CHIRP writes every radio's levels as watts with one decimal
//   ("5.0W", "1.0W"); some CHIRP versions refuse a row whose power is a word
//   such as "High". Words appear in files from other programs.
#include "interchange/ChirpCsv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <set>

#include "channels/ChannelRowText.h"
#include "codec/FrequencyCodec.h"
#include "image/ImageLayout.h"
#include "interchange/ChirpTone.h"
#include "util/Csv.h"
#include "util/DecimalText.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using Table = ChannelTablePresenter;

constexpr std::int64_t kShiftLimit = 1000000;   // 10 MHz
constexpr std::int64_t kShiftStep = 10000;      // 100 kHz
constexpr std::int64_t kHighPowerTenths = 30;   // 3.0 W and more is "High"
constexpr const char* kHighPowerText = "5.0W";  // what the radio's two levels
constexpr const char* kLowPowerText = "1.0W";   // are written as
constexpr const char* kDpmrComment = "dPMR";

enum Column {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kSkip,
    kPower,
    kComment,
    kColumnCount
};

constexpr std::array<const char*, kColumnCount> kColumnNames{
    "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
    "Mode",      "Skip",      "Power",     "Comment"};

// The fields of one row by column, trimmed; a column the file lacks, or a
// short row, gives "".
class RowFields {
  public:
    RowFields(const std::array<std::optional<std::size_t>, kColumnCount>& at,
              const CsvRecord& record)
        : at_(at), record_(record) {}
    std::string operator[](Column c) const {
        const auto& k = at_[static_cast<std::size_t>(c)];
        return k && *k < record_.fields.size() ? std::string(TrimBlanks(record_.fields[*k]))
                                               : std::string();
    }

  private:
    const std::array<std::optional<std::size_t>, kColumnCount>& at_;
    const CsvRecord& record_;
};

// MHz text to Hz; a fault names the column.
Status Frequency(const std::string& column, const std::string& text, std::int64_t& hz) {
    const auto v = FrequencyHzFromNumberText(text);
    if (!v)
        return Status::Error(
            Fill(Tr("interchange", "%1 %2 is not a frequency in MHz"), {column, QuoteInput(text)}));
    hz = *v;
    return Status::Ok();
}

// The transmit frequency a row's Duplex and Offset give with `rx` (Hz), as
// MHz text ("" for "off").
Status TxFrequency(const RowFields& f, std::int64_t rx, std::string& tx) {
    const std::string duplex = f[kDuplex];
    if (duplex.empty()) {
        tx = MhzTextOfHz(rx);
        return Status::Ok();
    }
    if (EqualsIgnoringCase(duplex, "off")) {
        tx.clear();
        return Status::Ok();
    }
    const bool split = EqualsIgnoringCase(duplex, "split");
    if (duplex != "+" && duplex != "-" && !split)
        return Status::Error(Fill(Tr("interchange", "Duplex %1 is not empty, +, -, split or off"),
                                  {QuoteInput(f[kDuplex])}));
    std::int64_t hz = 0;
    if (split) {
        if (Status s = Frequency("Offset", f[kOffset], hz); !s) return s;
    } else {
        const std::string offset = f[kOffset].empty() ? "0" : f[kOffset];
        const auto shift = ParseDecimalText(offset, 6);
        if (!shift || *shift < 0)
            return Status::Error(
                Fill(Tr("interchange", "Offset %1 is not a number of MHz"), {QuoteInput(offset)}));
        // A shift this wide leaves no frequency either way; refused before
        // the sum, which it could carry past the 64-bit range (the text's
        // value saturates there).
        if (*shift >= kFrequencyLimitHz)
            return Status::Error(Fill(
                Tr("interchange", "Offset %1 is 10000 MHz or more, no frequency to transmit on"),
                {QuoteInput(offset)}));
        hz = duplex == "+" ? rx + *shift : rx - *shift;
        if (!FrequencyHzFromNumberText(FormatScaled(hz, 6)))
            return Status::Error(Fill(
                Tr("interchange", "Frequency %1 Offset gives %2 MHz, no frequency to transmit on"),
                {duplex, MhzTextOfHz(hz)}));
    }
    tx = MhzTextOfHz(hz);
    return Status::Ok();
}

// "5.0W", "4W", "0.5" (watts), "High", "Low", "Mid": the radio's two levels.
// Empty is the strongest, as CHIRP takes it; anything else too, with a note.
std::string PowerOf(const std::string& text, std::string& note) {
    const std::string high = kPowerTexts[1];
    const std::string low = kPowerTexts[0];
    if (text.empty()) return high;
    std::string number = text;
    if (number.back() == 'W' || number.back() == 'w') number.pop_back();
    if (const auto tenths = ParseDecimalText(TrimBlanks(number), 1))
        return *tenths >= kHighPowerTenths ? high : low;
    const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    if (first == 'h') return high;
    if (first == 'l' || first == 'm') return low;
    note =
        Fill(Tr("interchange", "Power %1 is not understood: set to %2"), {QuoteInput(text), high});
    return high;
}

// "dPMR" alone or followed by a dPMR channel type; anything else is analog.
std::string ChannelTypeOf(const std::string& comment) {
    if (comment == kDpmrComment) return kChannelTypeTexts[1];
    for (std::size_t k = 1; k < kChannelTypeTexts.size(); ++k)
        if (comment == std::string(kDpmrComment) + " " + kChannelTypeTexts[k])
            return kChannelTypeTexts[k];
    return kChannelTypeTexts[0];
}

std::string CommentOf(const std::string& channelType) {
    if (channelType == kChannelTypeTexts[0]) return {};
    if (channelType == kChannelTypeTexts[1]) return kDpmrComment;
    return std::string(kDpmrComment) + " " + channelType;
}

// The step CHIRP tunes in around the frequency: 5 kHz where it fits, else
// the 6.25 kHz dPMR raster (3.125 kHz points have no CHIRP step and belong
// to it), else 2.5 kHz.
const char* TuningStep(std::int64_t tensOfHz) {
    const std::int64_t hz = tensOfHz * 10;
    if (hz % 5000 == 0) return "5.00";
    if (hz % 2500 == 0 && hz % 6250 != 0) return "2.50";
    return "6.25";
}

// Reads one row of a channel of this radio into `row`; `notes` get what the
// reading changed (a tone mode or a power the radio lacks).
Status ReadChannelRow(const RowFields& f, ChirpChannelRow& row, std::vector<std::string>& notes) {
    std::int64_t rx = 0;
    if (Status s = Frequency("Frequency", f[kFrequency], rx); !s) return s;
    row.rxFreq = MhzTextOfHz(rx);
    if (Status s = TxFrequency(f, rx, row.txFreq); !s) return s;

    const ChirpToneFields tones{f[kTone],         f[kRToneFreq],  f[kCToneFreq], f[kDtcsCode],
                                f[kDtcsPolarity], f[kRxDtcsCode], f[kCrossMode]};
    ChannelTones pair;
    std::string note;
    if (Status s = ChannelTonesOf(tones, pair, note); !s) return s;
    if (!note.empty()) notes.push_back(note);
    row.rxTone = pair.rx;
    row.txTone = pair.tx;

    const std::string skip = f[kSkip];
    if (!skip.empty() && skip != "S" && skip != "P")
        return Status::Error(
            Fill(Tr("interchange", "Skip %1 is not empty, S or P"), {QuoteInput(skip)}));
    row.scan = skip != "S";
    note.clear();
    row.power = PowerOf(f[kPower], note);
    if (!note.empty()) notes.push_back(note);
    row.narrow = EqualsIgnoringCase(f[kMode], "NFM");
    row.channelType = ChannelTypeOf(f[kComment]);
    return Status::Ok();
}

}  // namespace

const std::vector<std::string>& ChirpCsvHeader() {
    static const std::vector<std::string> header{
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return header;
}

std::string ChannelsToChirpCsv(const RadioImage& image) {
    std::string out = CsvLine(ChirpCsvHeader());
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const ChannelRowTexts row = ChannelRowFromImage(image, n);
        if (row[0].empty()) continue;
        const std::int64_t rx = FrequencyFromText(row[0]);
        std::string duplex;
        std::string offset = FormatScaled(0, 6);
        if (row[1].empty()) {
            duplex = "off";
        } else if (const std::int64_t shift = FrequencyFromText(row[1]) - rx; shift != 0) {
            // Repeater shifts as + or -; anything wider or finer as the
            // transmit frequency itself.
            const std::int64_t size = shift < 0 ? -shift : shift;
            if (size <= kShiftLimit && size % kShiftStep == 0) {
                duplex = shift > 0 ? "+" : "-";
                offset = FormatScaled(size * 10, 6);
            } else {
                duplex = "split";
                offset = row[1];
            }
        }
        const ChirpToneFields t = ChirpTonesOf({row[2], row[3]});
        out += CsvLine({std::to_string(n),
                        "",
                        row[0],
                        duplex,
                        offset,
                        t.tone,
                        t.rToneFreq,
                        t.cToneFreq,
                        t.dtcsCode,
                        t.dtcsPolarity,
                        t.rxDtcsCode,
                        t.crossMode,
                        row[6] == kBandwidthTexts[1] ? "NFM" : "FM",
                        TuningStep(rx),
                        row[5] == kScanTexts[1] ? "S" : "",
                        row[4] == kPowerTexts[1] ? kHighPowerText : kLowPowerText,
                        CommentOf(row[7]),
                        "",
                        "",
                        "",
                        ""});
    }
    return out;
}

Status ReadChirpCsv(std::string_view text, ChirpCsvRows& rows) {
    rows = {};
    std::vector<CsvRecord> records;
    if (Status s = ParseCsv(text, records); !s) return s;

    std::array<std::optional<std::size_t>, kColumnCount> at;
    if (!records.empty()) {
        const auto& names = records.front().fields;
        for (std::size_t k = 0; k < names.size(); ++k)
            for (std::size_t c = 0; c < kColumnCount; ++c)
                if (!at[c] && EqualsIgnoringCase(TrimBlanks(names[k]), kColumnNames[c])) at[c] = k;
    }
    if (!at[kLocation] || !at[kFrequency])
        return CsvLineError(records.empty() ? 1 : records.front().line,
                            Tr("interchange",
                               "the first line must name the columns, Location "
                               "and Frequency among them, as CHIRP writes it"));

    ChirpCsvRows out;
    std::map<int, std::size_t> lineOfChannel;
    bool names = false;
    for (std::size_t k = 1; k < records.size(); ++k) {
        const std::size_t line = records[k].line;
        const RowFields f(at, records[k]);
        const auto leaveOut = [&](const std::string& why) {
            out.notes.push_back({line, Fill(Tr("interchange", "%1: left out"), {why})});
        };
        const std::string location = f[kLocation];
        const auto n = ParseWholeNumber(location);
        if (!n || *n < 1 || *n > layout::kChannelCount) {
            leaveOut(Fill(Tr("interchange", "Location %1 is no channel of this radio (1-16)"),
                          {QuoteInput(location)}));
            continue;
        }
        const int channel = static_cast<int>(*n);
        if (const auto seen = lineOfChannel.find(channel); seen != lineOfChannel.end()) {
            leaveOut(Fill(Tr("interchange", "channel %1 is set on line %2"),
                          {location, std::to_string(seen->second)}));
            continue;
        }
        const std::string mode = f[kMode];
        if (!mode.empty() && !EqualsIgnoringCase(mode, "FM") && !EqualsIgnoringCase(mode, "NFM")) {
            leaveOut(
                Fill(Tr("interchange", "channel %1: Mode %2 is not available (FM and NFM only)"),
                     {location, mode}));
            continue;
        }
        if (f[kFrequency].empty()) {
            leaveOut(Fill(Tr("interchange", "channel %1 has no frequency"), {location}));
            continue;
        }
        ChirpChannelRow row;
        row.line = line;
        row.channel = channel;
        std::vector<std::string> changes;
        if (Status s = ReadChannelRow(f, row, changes); !s) return CsvLineError(line, s.message());
        for (const std::string& change : changes)
            out.notes.push_back(
                {line, Fill(Tr("interchange", "channel %1: %2"), {location, change})});
        names = names || !f[kName].empty();
        lineOfChannel[channel] = line;
        out.channels.push_back(std::move(row));
    }
    if (names)
        out.notes.push_back(
            {0, Tr("interchange", "names are not kept: the radio has no channel names")});
    rows = std::move(out);
    return Status::Ok();
}

ChirpImportReport ImportChirpRows(ChannelTablePresenter& table, const ChirpCsvRows& rows) {
    std::vector<ChirpNote> notes = rows.notes;
    ChirpImportReport report;
    std::set<int> named;
    for (const ChirpChannelRow& row : rows.channels) {
        named.insert(row.channel);
        const std::pair<int, std::string> cells[] = {
            {Table::kRxFreqCol, row.rxFreq},
            {Table::kTxFreqCol, row.txFreq},
            {Table::kRxToneCol, row.rxTone},
            {Table::kTxToneCol, row.txTone},
            {Table::kPowerCol, row.power},
            {Table::kScanCol, kScanTexts[row.scan ? 0 : 1]},
            {Table::kBandwidthCol, kBandwidthTexts[row.narrow ? 1 : 0]},
            {Table::kTypeCol, row.channelType}};
        for (const auto& [col, text] : cells) {
            const std::string notice = table.EnterCellText(row.channel, col, text);
            if (!notice.empty())
                notes.push_back(
                    {row.line,
                     Fill(Tr("interchange", "channel %1, %2: %3"),
                          {std::to_string(row.channel),
                           Table::ColumnTitles()[static_cast<std::size_t>(col)], notice})});
        }
        ++report.channels;
    }
    table.StoreRowsToImage(named);

    // Remarks on the whole file after those on its lines.
    std::stable_sort(notes.begin(), notes.end(), [](const ChirpNote& a, const ChirpNote& b) {
        return (a.line == 0 ? SIZE_MAX : a.line) < (b.line == 0 ? SIZE_MAX : b.line);
    });
    for (const ChirpNote& note : notes)
        report.lines.push_back(note.line == 0 ? note.text
                                              : Fill(Tr("interchange", "line %1: %2"),
                                                     {std::to_string(note.line), note.text}));
    return report;
}

}  // namespace dpmr

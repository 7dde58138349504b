// The programming Read and Write: two opening exchanges (the first followed by
// the 32-byte block at 0x2160), then 504 blocks, then "ENDR", or the closing
// block and "ENDW".
#include "link/ProgramTransfer.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "image/ImageLayout.h"
#include "interchange/CodeplugDiff.h"
#include "link/LinkFrames.h"
#include "link/WireTrace.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using namespace link;

// The block the first pass reads and the write's closing block carries.
constexpr std::uint16_t kPassBlock = 0x2160;
constexpr std::uint8_t kPassBlockSize = 32;
// Wrong or missing answers to the wake-up sequence tolerated over a transfer.
constexpr int kWakeRetries = 3;
// Largest value a 4-byte BCD field holds.
constexpr std::uint64_t kMaxBcd8 = 99999999;

struct Identity {
    std::array<std::uint8_t, kIdentitySize> block{};
    std::uint16_t bandLowMhz = 0;
    std::uint16_t bandHighMhz = 0;
};

// The opening exchange. `attempts` and `answers` are shared by both passes of
// a transfer. On a failure `reason` says what went wrong.
bool ProgramHandshake(SerialPort& port, int& attempts, WakeUpAnswers& answers, Identity& identity,
                      std::string& reason) {
    for (;;) {
        for (std::uint8_t byte : kWakeUp) {
            PauseMs(2);
            port.Purge();
            Send(port, {byte});
        }
        if (answers.Accepted(port)) break;
        if (attempts >= kWakeRetries) {
            reason = answers.FailureReason();
            return false;
        }
        ++attempts;
    }
    port.Purge();
    Send(port, kRequestTail, sizeof kRequestTail);
    std::array<std::uint8_t, kIdentitySize> block{};
    if (!ReadExactly(port, block.data(), block.size())) {
        reason = Tr("link", msg::kShortIdentity);
        return false;
    }
    identity.block = block;
    identity.bandLowMhz = static_cast<std::uint16_t>(block[12] | (block[13] << 8));
    identity.bandHighMhz = static_cast<std::uint16_t>(block[14] | (block[15] << 8));
    PauseMs(10);
    if (Acknowledge(port)) return true;
    reason = Tr("link", msg::kOpeningRefused);
    return false;
}

// Both opening passes with the 0x2160 block between them. On a failure
// `reason` says what went wrong.
bool OpenSession(SerialPort& port, Identity& identity, std::string& reason) {
    int attempts = 0;
    WakeUpAnswers answers;
    if (!ProgramHandshake(port, attempts, answers, identity, reason)) return false;
    std::array<std::uint8_t, kPassBlockSize> unused{};
    if (!RequestRead(port, kPassBlock, kPassBlockSize, unused.data()) || !Acknowledge(port)) {
        SendEndFrame(port, kEndRead);
        reason = msg::BrokeOffAt(kPassBlock);
        return false;
    }
    return ProgramHandshake(port, attempts, answers, identity, reason);
}

// Keeps `busy` set for the duration of a transfer. The stop request is left
// alone: the caller clears it before starting, so that a stop asked for between
// "Start" and the first block is never lost.
class BusyScope {
  public:
    explicit BusyScope(TransferControl& control) : control_(control) { control_.busy = true; }
    ~BusyScope() { control_.busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    TransferControl& control_;
};

void Report(const ProgressCallback& progress, int done, int total) {
    if (progress) progress(done, total);
}

// What Read and Write share: the busy flag, the port, both opening passes,
// then `block` for every block with progress and the stop request after each,
// then `finish`; once the session is open every way out sends the end frame
// ("ENDW" when it `writes`, else "ENDR") and reads the final byte. A Write
// that ends after the radio took a block warns that the radio's configuration
// is now partly written.
template <typename Block, typename Finish>
TransferResult RunBlocks(SerialPort& port, const LinkSettings& link,
                         const ProgressCallback& progress, TransferControl& control, bool writes,
                         Identity& identity, Block block, Finish finish) {
    BusyScope busy(control);
    if (Status s = port.Open(link.portName, link.baudRate, TimeoutProfile::kProgramming); !s) {
        return TransferResult::Failure(
            msg::WithReason(Tr("link", msg::kProgramOpenFailed), s.message()));
    }
    PortCloser closer(port);
    std::string reason;
    if (!OpenSession(port, identity, reason)) {
        return TransferResult::Failure(
            msg::WithReason(Tr("link", msg::kCommunicationError), reason));
    }
    if (link.identityBlock)
        link.identityBlock->assign(identity.block.begin(), identity.block.end());

    const auto& endFrame = writes ? kEndWrite : kEndRead;
    const auto partly = [writes](bool blocksTaken) {
        return writes && blocksTaken ? Tr("link", msg::kPartlyWritten) : std::string();
    };
    const auto brokeOff = [&](std::uint16_t address, bool blocksTaken) {
        SendEndFrame(port, endFrame);
        return TransferResult::Failure(msg::WithReason(
            msg::WithReason(Tr("link", msg::kCommunicationError), msg::BrokeOffAt(address)),
            partly(blocksTaken)));
    };
    const std::vector<TransferBlock> blocks = SplitIntoBlocks(ProgramRanges());
    const int total = static_cast<int>(blocks.size());
    for (int i = 0; i < total; ++i) {
        const TransferBlock& b = blocks[static_cast<std::size_t>(i)];
        if (!block(b)) return brokeOff(b.address, i > 0);
        Report(progress, i + 1, total);
        if (control.cancelRequested) {
            SendEndFrame(port, endFrame);
            return TransferResult::Cancelled(partly(true));
        }
    }
    if (!finish()) return brokeOff(kPassBlock, true);
    SendEndFrame(port, endFrame);
    return TransferResult::Success();
}

}  // namespace

const std::vector<TransferRange>& ProgramRanges() {
    static const std::vector<TransferRange> kRanges = {
        {0x0100, 0x2160}, {0x2178, 0x3E30}, {0x3E50, 0x4000}};
    return kRanges;
}

std::vector<TransferBlock> SplitIntoBlocks(const std::vector<TransferRange>& ranges) {
    std::vector<TransferBlock> blocks;
    for (const TransferRange& r : ranges) {
        for (unsigned a = r.start; a < r.end;) {
            const unsigned length = std::min(32u - a % 32u, r.end - a);
            blocks.push_back({static_cast<std::uint16_t>(a), static_cast<std::uint8_t>(length)});
            a += length;
        }
    }
    return blocks;
}

int ProgressPercent(int blocksDone, int totalBlocks) {
    if (totalBlocks <= 0) return 0;
    return static_cast<int>(static_cast<long long>(blocksDone) * 100 / totalBlocks);
}

void StoreRadioBandEdges(RadioImage& image, std::uint16_t lowMhz, std::uint16_t highMhz) {
    // 16-bit MHz times 100000 needs 64 bits, and a value past 999.99999 MHz
    // has no 8-digit BCD form: clamp rather than wrap.
    const auto tensOfHz = [](std::uint16_t mhz) {
        return static_cast<std::uint32_t>(
            std::min<std::uint64_t>(std::uint64_t{mhz} * 100000, kMaxBcd8));
    };
    image.SetBcd4(layout::kRadioBandLower, tensOfHz(lowMhz));
    image.SetBcd4(layout::kRadioBandUpper, tensOfHz(highMhz));
}

namespace {

// The read session: every block of the three ranges into `staging`, as the
// radio sent it.
TransferResult ReadBlocks(SerialPort& port, const LinkSettings& link, RadioImage& staging,
                          const ProgressCallback& progress, TransferControl& control,
                          Identity& identity) {
    return RunBlocks(
        port, link, progress, control, false, identity,
        [&](const TransferBlock& b) {
            std::array<std::uint8_t, 32> data{};
            if (!RequestRead(port, b.address, b.length, data.data())) return false;
            std::copy_n(data.begin(), b.length, staging.Span(b.address, b.length).begin());
            return Acknowledge(port);
        },
        [] { return true; });
}

// "the radio holds other bytes at 0x0105, 0x0300 (2 bytes differ)"; at most
// the first eight addresses are named.
// What a failed verify tells the user: the settings the radio holds
// otherwise, named as `dpmrtool diff` names them, and to write again.
std::string DifferenceText(const RadioImage& sent, const RadioImage& readBack) {
    constexpr std::size_t kNamed = 10;
    std::vector<std::string> names;
    for (const CodeplugDifference& d : DiffCodeplugs(sent, readBack)) {
        const std::string name = d.part.empty() ? d.what : d.what + " " + d.part;
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    // Every byte compared is named by the diff; should one not be, the
    // addresses still tell the user something is wrong.
    if (names.empty())
        for (std::uint16_t a : DifferingAddresses(sent, readBack)) {
            char address[8];
            std::snprintf(address, sizeof address, "0x%04X", a);
            names.push_back(address);
        }
    std::string named;
    for (std::size_t i = 0; i < names.size() && i < kNamed; ++i)
        named += (i > 0 ? ", " : "") + names[i];
    const std::string text =
        names.size() > kNamed ? Fill(Tr("link", "the radio holds other values for %1 and %2 more."),
                                     {named, std::to_string(names.size() - kNamed)})
                              : Fill(Tr("link", "the radio holds other values for %1."), {named});
    return text + "\n" + Tr("link", msg::kWriteAgain);
}

}  // namespace

std::vector<std::uint16_t> DifferingAddresses(const RadioImage& a, const RadioImage& b) {
    std::vector<std::uint16_t> addresses;
    for (const TransferRange& r : ProgramRanges())
        for (unsigned off = r.start; off < r.end; ++off)
            if (a.U8(off) != b.U8(off)) addresses.push_back(static_cast<std::uint16_t>(off));
    return addresses;
}

TransferResult ReadFromRadio(SerialPort& port, const LinkSettings& link, RadioImage& image,
                             const ProgressCallback& progress, TransferControl& control) {
    // Blocks land in a staging copy; the caller's image changes only when the
    // whole read succeeded, so a failed or cancelled read loses nothing.
    RadioImage staging = image;
    Identity identity;
    const TransferResult result = ReadBlocks(port, link, staging, progress, control, identity);
    if (!result.succeeded()) return result;
    if (staging.U8(layout::kRadioBandLower + 3) == 0xFF) {
        StoreRadioBandEdges(staging, identity.bandLowMhz, identity.bandHighMhz);
    }
    image = staging;
    return result;
}

TransferResult WriteToRadio(SerialPort& port, const LinkSettings& link, const RadioImage& image,
                            const ProgressCallback& progress, TransferControl& control) {
    Identity identity;
    const auto write = [&](std::uint16_t address, std::uint8_t length) {
        return RequestWrite(port, address, image.Span(address, length).data(), length);
    };
    return RunBlocks(
        port, link, progress, control, true, identity,
        [&](const TransferBlock& b) { return write(b.address, b.length); },
        [&] { return write(kPassBlock, kPassBlockSize); });  // the closing block
}

TransferResult VerifyRadio(SerialPort& port, const LinkSettings& link, const RadioImage& sent,
                           const ProgressCallback& progress, TransferControl& control) {
    // The bytes as the radio holds them, without the band edges a Read would
    // fill in, so that they compare with what was sent.
    RadioImage readBack = sent;
    Identity identity;
    const TransferResult result = ReadBlocks(port, link, readBack, progress, control, identity);
    if (result.cancelled()) return TransferResult::Cancelled(Tr("link", msg::kVerifyStopped));
    if (result.failed())
        return TransferResult::Failure(
            msg::WithReason(Tr("link", msg::kVerifyBrokeOff), result.message));
    if (DifferingAddresses(sent, readBack).empty())
        return TransferResult::Success(Tr("link", msg::kWriteVerified));
    return TransferResult::Failure(
        msg::WithReason(Tr("link", msg::kVerifyFailed), DifferenceText(sent, readBack)));
}

TransferResult ReadFromRadio(const LinkSettings& link, RadioImage& image,
                             const ProgressCallback& progress, TransferControl& control) {
    const auto port = SystemPort(link.trace);
    return ReadFromRadio(*port, link, image, progress, control);
}

TransferResult WriteToRadio(const LinkSettings& link, const RadioImage& image,
                            const ProgressCallback& progress, TransferControl& control) {
    const auto port = SystemPort(link.trace);
    return WriteToRadio(*port, link, image, progress, control);
}

TransferResult VerifyRadio(const LinkSettings& link, const RadioImage& sent,
                           const ProgressCallback& progress, TransferControl& control) {
    const auto port = SystemPort(link.trace);
    return VerifyRadio(*port, link, sent, progress, control);
}

}  // namespace dpmr

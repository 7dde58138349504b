// The simulated radio: a pseudo-terminal whose far end answers the radio's
// programming protocol from a 16384-byte memory.
#include "link/VirtualRadio.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "image/Document.h"
#include "link/LinkFrames.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using Clock = std::chrono::steady_clock;

using link::kAck;
using link::kIdentitySize;
using link::kWakeUp;

constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kFinalByte = 'A';
constexpr std::size_t kShortIdentitySize = 10;
// A real radio takes about this long to answer the wake-up sequence.
constexpr auto kWakeAnswerDelay = std::chrono::milliseconds(10);
// Bytes sent or received within this time of the previous one count as one
// burst, so that pacing does not drift by the scheduler's lateness.
constexpr auto kBurstSlack = std::chrono::microseconds(300);
// Longer than either of the program's waits between two bytes.
constexpr auto kEchoHiccup = std::chrono::milliseconds(250);

Clock::duration ByteTime(int baud) {
    // 10 bits a byte: start, 8 data, stop.
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(baud > 0 ? 10'000'000'000LL / baud : 0));
}

void MakeRaw(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return;
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);
}

}  // namespace

VirtualRadio::VirtualRadio(VirtualRadioOptions options) : options_(std::move(options)) {}

VirtualRadio::~VirtualRadio() {
    Stop();
}

Status VirtualRadio::Start() {
    if (thread_.joinable()) return Status::Ok();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) return Status::Error(Tr("link", "cannot open a pseudo-terminal"));
    const char* name = nullptr;
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 || !(name = ::ptsname(master_))) {
        Stop();
        return Status::Error(Tr("link", "cannot set up the pseudo-terminal"));
    }
    devicePath_ = name;
    // The radio keeps its own handle on the slave side, so that the line
    // stays up while the program side opens and closes it between transfers.
    slave_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        Stop();
        return Status::Error(Fill(Tr("link", "cannot open %1"), {devicePath_}));
    }
    MakeRaw(slave_);
    MakeRaw(master_);
    // A program that dies without closing its port properly leaves the line in
    // exclusive mode (TIOCEXCL), which keeps every later open out except
    // root's. The kernel closes the program's files all the same, and that
    // close is seen here.
    closeWatch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (closeWatch_ < 0 || ::inotify_add_watch(closeWatch_, devicePath_.c_str(),
                                               IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
        Stop();
        return Status::Error(Fill(Tr("link", "cannot watch %1"), {devicePath_}));
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (::pipe2(stopPipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        Stop();
        return Status::Error(Tr("link", "cannot create a pipe"));
    }
    thread_ = std::thread([this] { Serve(); });
    return Status::Ok();
}

void VirtualRadio::Stop() {
    if (thread_.joinable()) {
        const char stop = 's';
        [[maybe_unused]] ssize_t n = ::write(stopPipe_[1], &stop, 1);
        thread_.join();
    }
    for (int* fd : {&master_, &slave_, &closeWatch_, &stopPipe_[0], &stopPipe_[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

RadioImage VirtualRadio::Memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

void VirtualRadio::SetMemory(const RadioImage& memory) {
    std::lock_guard lock(mutex_);
    memory_ = memory;
}

Status VirtualRadio::LoadMemory(const std::string& path) {
    RadioImage image;
    if (Status s = LoadImageFile(path, image); !s) return s;
    SetMemory(image);
    return Status::Ok();
}

Status VirtualRadio::SaveMemory(const std::string& path) const {
    return SaveImageFile(path, Memory());
}

void VirtualRadio::SetFaults(const VirtualRadioFaults& faults) {
    std::lock_guard lock(mutex_);
    options_.faults = faults;
    wakeCount_ = identityCount_ = openingCount_ = 0;
}

void VirtualRadio::SetBandEdges(std::uint16_t lowMhz, std::uint16_t highMhz) {
    std::lock_guard lock(mutex_);
    options_.bandLowMhz = lowMhz;
    options_.bandHighMhz = highMhz;
}

std::vector<WireFrame> VirtualRadio::Traffic() const {
    std::lock_guard lock(mutex_);
    return traffic_;
}

void VirtualRadio::ClearTraffic() {
    std::lock_guard lock(mutex_);
    traffic_.clear();
    longestLateUs_ = 0;
}

std::chrono::microseconds VirtualRadio::LongestLateness() const {
    return std::chrono::microseconds(longestLateUs_.load());
}

void VirtualRadio::NoteLateness(Clock::time_point scheduled) {
    const long long late =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - scheduled).count();
    if (late > longestLateUs_.load()) longestLateUs_ = late;
}

void VirtualRadio::Record(WireFrame::Direction direction, std::vector<std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    traffic_.push_back({direction, std::move(bytes)});
}

void VirtualRadio::Serve() {
    std::uint8_t buffer[512];
    for (;;) {
        // A frame left half-way (a program that went away mid-request) is
        // dropped after a second of quiet, so the next session starts clean.
        const bool midFrame = state_ == State::kHeader || state_ == State::kWriteData ||
                              !pending_.empty() || wakeMatched_ > 0;
        pollfd fds[3] = {{master_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}, {closeWatch_, POLLIN, 0}};
        const int r = ::poll(fds, 3, midFrame ? 1000 : -1);
        if (r < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (r == 0) {
            if (!pending_.empty()) RecordIn(pending_);
            pending_.clear();
            wakeMatched_ = 0;
            state_ = State::kIdle;
            continue;
        }
        if (fds[1].revents != 0) return;
        if (fds[2].revents != 0) ClientClosed();
        if ((fds[0].revents & POLLIN) == 0) {
            // No client and nothing to read (cannot happen while we hold the
            // slave open, but never spin on it).
            if (fds[0].revents != 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) continue;
        const Clock::time_point arrived = Clock::now();
        for (ssize_t i = 0; i < n; ++i) {
            PaceIncoming(arrived);
            HandleByte(buffer[i]);
        }
    }
}

void VirtualRadio::ClientClosed() {
    // Drain the events; which program closed does not matter.
    alignas(inotify_event) char events[4096];
    while (::read(closeWatch_, events, sizeof events) > 0) {
    }
    ::ioctl(slave_, TIOCNXCL);
}

void VirtualRadio::PaceIncoming(Clock::time_point arrived) {
    const Clock::duration byteTime = ByteTime(options_.paceBaud);
    if (byteTime == Clock::duration::zero()) return;
    // The byte has arrived once the line has carried it after the one before.
    const Clock::time_point base =
        arrived > incomingFreeAt_ + kBurstSlack ? arrived : incomingFreeAt_;
    incomingFreeAt_ = base + byteTime;
    std::this_thread::sleep_until(incomingFreeAt_);
    NoteLateness(incomingFreeAt_);
}

void VirtualRadio::Send(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty() || silent_) return;
    Record(WireFrame::Direction::kFromRadio, bytes);
    const Clock::duration byteTime = ByteTime(options_.paceBaud);
    if (byteTime == Clock::duration::zero()) {
        WriteAll(bytes.data(), bytes.size());
        return;
    }
    // Each byte reaches the other end once the line has carried it.
    for (std::uint8_t byte : bytes) {
        const Clock::time_point now = Clock::now();
        const Clock::time_point base = now > outgoingFreeAt_ + kBurstSlack ? now : outgoingFreeAt_;
        outgoingFreeAt_ = base + byteTime;
        std::this_thread::sleep_until(outgoingFreeAt_);
        NoteLateness(outgoingFreeAt_);
        WriteAll(&byte, 1);
    }
}

void VirtualRadio::WriteAll(const std::uint8_t* data, std::size_t count) {
    std::size_t sent = 0;
    while (sent < count) {
        const ssize_t n = ::write(master_, data + sent, count - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return;
        pollfd pfd{master_, POLLOUT, 0};
        if (::poll(&pfd, 1, 100) <= 0) return;  // nobody reads: drop the rest
    }
}

void VirtualRadio::RecordIn(std::vector<std::uint8_t> bytes) {
    Record(WireFrame::Direction::kToRadio, std::move(bytes));
}

void VirtualRadio::HandleByte(std::uint8_t byte) {
    switch (state_) {
        case State::kHeader:
            pending_.push_back(byte);
            if (pending_.size() == 4) HandleHeader();
            return;
        case State::kWriteData:
            pending_.push_back(byte);
            if (pending_.size() == 4u + blockLength_) HandleWriteData();
            return;
        default:
            break;
    }
    // A wake-up sequence in progress takes every byte that continues it.
    if (wakeMatched_ > 0 && byte == kWakeUp[wakeMatched_]) {
        RecordIn({byte});
        if (++wakeMatched_ == sizeof kWakeUp) {
            wakeMatched_ = 0;
            FinishWakeUp();
        }
        return;
    }
    wakeMatched_ = 0;
    switch (state_) {
        case State::kWaitTail:
            if (pending_.empty() && byte == 'M') {
                pending_.push_back(byte);
                return;
            }
            if (pending_.size() == 1 && byte == 0x02) {
                pending_.clear();
                RecordIn({'M', 0x02});
                SendIdentity();
                return;
            }
            if (!pending_.empty()) RecordIn(pending_);
            pending_.clear();
            state_ = State::kIdle;
            break;
        case State::kWaitOpeningAck:
            if (byte == kAck) {
                RecordIn({byte});
                bool bad = false;
                {
                    std::lock_guard lock(mutex_);
                    bad = options_.faults.badOpeningAcks.count(++openingCount_) != 0;
                }
                Send({bad ? kNak : kAck});
                state_ = State::kCommand;
                return;
            }
            state_ = State::kIdle;
            break;
        case State::kReadAck:
            state_ = State::kCommand;
            if (byte == kAck) {
                RecordIn({byte});
                Send({nakPending_ ? kNak : kAck});
                nakPending_ = false;
                return;
            }
            nakPending_ = false;
            HandleByte(byte);  // the program moved on without acknowledging
            return;
        case State::kCommand:
            if (byte == 'R' || byte == 'W' || byte == 'E') {
                pending_.assign(1, byte);
                state_ = State::kHeader;
                return;
            }
            break;
        default:
            break;
    }
    if (byte == kWakeUp[0]) {
        RecordIn({byte});
        wakeMatched_ = 1;
        return;
    }
    RecordIn({byte});  // a byte the radio cannot place
}

void VirtualRadio::FinishWakeUp() {
    if (!inSession_ || silent_) {
        inSession_ = true;
        sessionBlocks_ = 0;
        silent_ = false;
    }
    bool wrong = false;
    bool missing = false;
    {
        std::lock_guard lock(mutex_);
        ++wakeCount_;
        wrong = options_.faults.wrongWakeAnswers.count(wakeCount_) != 0;
        missing =
            options_.faults.silent || options_.faults.missingWakeAnswers.count(wakeCount_) != 0;
    }
    pending_.clear();
    if (missing) {
        state_ = State::kIdle;
        return;
    }
    std::this_thread::sleep_for(kWakeAnswerDelay);
    Send({wrong ? kNak : kAck});
    state_ = wrong ? State::kIdle : State::kWaitTail;
}

void VirtualRadio::SendIdentity() {
    std::vector<std::uint8_t> identity(kIdentitySize, 0xFF);
    const char kModel[] = "DPMR-SIM";
    std::copy(kModel, kModel + 8, identity.begin());
    bool shortBlock = false;
    {
        std::lock_guard lock(mutex_);
        identity[12] = static_cast<std::uint8_t>(options_.bandLowMhz & 0xFF);
        identity[13] = static_cast<std::uint8_t>(options_.bandLowMhz >> 8);
        identity[14] = static_cast<std::uint8_t>(options_.bandHighMhz & 0xFF);
        identity[15] = static_cast<std::uint8_t>(options_.bandHighMhz >> 8);
        shortBlock = options_.faults.shortIdentities.count(++identityCount_) != 0;
    }
    if (shortBlock) identity.resize(kShortIdentitySize);
    Send(identity);
    state_ = shortBlock ? State::kIdle : State::kWaitOpeningAck;
}

bool VirtualRadio::GoSilentNow() {
    std::optional<int> limit;
    {
        std::lock_guard lock(mutex_);
        limit = options_.faults.silentAfterBlocks;
    }
    if (limit && sessionBlocks_ >= *limit) silent_ = true;
    ++sessionBlocks_;
    return silent_;
}

void VirtualRadio::HandleHeader() {
    const std::vector<std::uint8_t> header = pending_;
    const auto address = static_cast<std::uint16_t>((header[1] << 8) | header[2]);
    const std::uint8_t length = header[3];
    if (header[0] == 'E') {
        pending_.clear();
        RecordIn(header);
        if (header[1] != 'N' || header[2] != 'D' || (header[3] != 'R' && header[3] != 'W')) {
            state_ = State::kCommand;
            return;
        }
        state_ = State::kIdle;
        if (silent_) return;  // a silent radio ends nothing
        // Counted before the answer goes out, so that a program that has read
        // the answer always finds the session counted.
        inSession_ = false;
        sessionBlocks_ = 0;
        // Counted once the final byte is on its way: a session counted
        // complete is one whose every frame is in the recorded traffic.
        ++completedSessions_;
        Send({kFinalByte});
        return;
    }
    if (header[0] == 'W') {
        blockAddress_ = address;
        blockLength_ = length;
        state_ = State::kWriteData;
        if (length == 0) HandleWriteData();
        return;
    }
    // 'R': the echo, then the data.
    pending_.clear();
    RecordIn(header);
    state_ = State::kReadAck;
    if (GoSilentNow()) return;
    std::vector<std::uint8_t> data(length, 0xFF);
    bool shortBlock = false;
    bool lateEcho = false;
    {
        std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < length && address + i < RadioImage::kSize; ++i) {
            data[i] = memory_.U8(address + i);
        }
        shortBlock = options_.faults.shortReadAt == address;
        lateEcho = options_.faults.lateEchoAt == address;
        nakPending_ = options_.faults.nakReadAt == address;
    }
    if (shortBlock && !data.empty()) data.pop_back();
    if (lateEcho) {
        Send({header.begin(), header.begin() + 2});
        std::this_thread::sleep_for(kEchoHiccup);
        Send({header.begin() + 2, header.end()});
    } else {
        Send(header);
    }
    Send(data);
}

void VirtualRadio::HandleWriteData() {
    std::vector<std::uint8_t> frame;
    frame.swap(pending_);
    RecordIn(frame);
    state_ = State::kCommand;
    if (GoSilentNow()) return;
    bool nak = false;
    {
        std::lock_guard lock(mutex_);
        nak = options_.faults.nakWriteAt == blockAddress_;
        if (!nak) {
            for (std::size_t i = 0; i < blockLength_ && blockAddress_ + i < RadioImage::kSize;
                 ++i) {
                const bool corrupt = options_.faults.corruptByteAt == blockAddress_ + i;
                memory_.SetU8(blockAddress_ + i,
                              static_cast<std::uint8_t>(corrupt ? ~frame[4 + i] : frame[4 + i]));
            }
        }
    }
    Send({nak ? kNak : kAck});
}

}  // namespace dpmr

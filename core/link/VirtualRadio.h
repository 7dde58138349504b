// VirtualRadio: a simulated radio on a pseudo-terminal. The program side opens
// DevicePath() like any serial device; the radio side runs on its own thread
// and answers the wake-up sequence, the identity request, 'R'/'W' blocks and
// "ENDR"/"ENDW" the way the radio does, from a 16384-byte memory. It serves one
// session after another until stopped. Faults can be injected to exercise
// every failure path of the transfers, every byte can be paced at a baud rate,
// and the wire traffic is recorded for tests. When a program closes the line
// (or is killed), the radio takes back the exclusive mode that program set, so
// that the next one can open it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

// Faults, counted from the moment they are set (SetFaults or the constructor).
struct VirtualRadioFaults {
    // Wake-up sequences (1 = the first one received) answered with a wrong
    // byte, or not answered at all.
    std::set<int> wrongWakeAnswers{};
    std::set<int> missingWakeAnswers{};
    // Identity requests (1 = the first) answered with only 10 bytes.
    std::set<int> shortIdentities{};
    // Opening exchanges (1 = the first) whose closing 'A' is answered wrongly.
    std::set<int> badOpeningAcks{};
    // 'R' at this address: the echo and one byte less than asked.
    std::optional<std::uint16_t> shortReadAt{};
    // 'R' at this address: the echo stops after two bytes for longer than the
    // program waits between two bytes, then its rest and the data follow (a
    // line that hiccups).
    std::optional<std::uint16_t> lateEchoAt{};
    // 'R' at this address: its data is sent, the PC's 'A' is answered wrongly.
    std::optional<std::uint16_t> nakReadAt{};
    // 'W' at this address: answered with a wrong byte instead of 'A'.
    std::optional<std::uint16_t> nakWriteAt{};
    // A 'W' that carries the byte at this address stores it inverted (every
    // bit flipped) and answers 'A' as usual: a radio that keeps a byte wrongly.
    std::optional<std::uint16_t> corruptByteAt{};
    // After serving this many 'R'/'W' blocks in a session (the first-pass block
    // at 0x2160 included) the radio falls silent: it answers nothing, not even
    // "ENDR"/"ENDW", until the next complete wake-up sequence, which starts a
    // new session.
    std::optional<int> silentAfterBlocks{};
    // A radio that is switched off or not plugged in: no wake-up sequence is
    // ever answered.
    bool silent = false;
};

struct VirtualRadioOptions {
    std::uint16_t bandLowMhz = 400;  // reported in the identity block
    std::uint16_t bandHighMhz = 470;
    int paceBaud = 0;  // 0: bytes go as fast as the pty takes them
    VirtualRadioFaults faults{};
};

// One frame on the wire as the radio saw it.
struct WireFrame {
    enum class Direction { kToRadio, kFromRadio };
    Direction direction;
    std::vector<std::uint8_t> bytes;
    bool operator==(const WireFrame&) const = default;
};

class VirtualRadio {
  public:
    explicit VirtualRadio(VirtualRadioOptions options = {});
    ~VirtualRadio();
    VirtualRadio(const VirtualRadio&) = delete;
    VirtualRadio& operator=(const VirtualRadio&) = delete;

    // Opens the pseudo-terminal and starts serving. Fails when no pty can be
    // had.
    Status Start();
    // Stops serving and closes the pty (also done by the destructor).
    void Stop();
    bool IsRunning() const { return thread_.joinable(); }

    // The slave device path the program side opens, such as "/dev/pts/7".
    const std::string& DevicePath() const { return devicePath_; }

    RadioImage Memory() const;
    void SetMemory(const RadioImage& memory);
    Status LoadMemory(const std::string& path);  // a .dat file
    Status SaveMemory(const std::string& path) const;

    void SetFaults(const VirtualRadioFaults& faults);
    void SetBandEdges(std::uint16_t lowMhz, std::uint16_t highMhz);

    // Frames in order: each wake-up byte, 'M' 0x02, each 'A', each request
    // (a 'W' with its data), "ENDR"/"ENDW" to the radio; each answer, identity
    // block, echo, block data and final byte from it. Bytes the radio cannot
    // place are recorded as one frame per byte.
    std::vector<WireFrame> Traffic() const;
    void ClearTraffic();
    // How late the radio's own thread was at worst, paced, behind the line's
    // schedule of a byte (starved by a loaded machine): a break-off while it
    // was late by about the program's 50 ms is the virtual radio's doing,
    // not the program's. Cleared with ClearTraffic.
    std::chrono::microseconds LongestLateness() const;

    // Sessions ended by "ENDR" or "ENDW" and answered. A program does not
    // wait for that answer (it never checks it), so the count can follow the
    // end of a transfer a little later.
    int CompletedSessions() const { return completedSessions_.load(); }

  private:
    enum class State {
        kIdle,
        kWaitTail,
        kWaitOpeningAck,
        kCommand,
        kHeader,
        kReadAck,
        kWriteData,
        kSilent
    };
    using Clock = std::chrono::steady_clock;

    void Serve();
    void ClientClosed();
    void PaceIncoming(Clock::time_point arrived);
    void HandleByte(std::uint8_t byte);
    void FinishWakeUp();
    void SendIdentity();
    void HandleHeader();
    void HandleWriteData();
    bool GoSilentNow();
    void Send(const std::vector<std::uint8_t>& bytes);
    void WriteAll(const std::uint8_t* data, std::size_t count);
    void Record(WireFrame::Direction direction, std::vector<std::uint8_t> bytes);
    void RecordIn(std::vector<std::uint8_t> bytes);

    VirtualRadioOptions options_;
    int master_ = -1;
    int slave_ = -1;
    int closeWatch_ = -1;  // inotify: a program closed the slave device
    int stopPipe_[2] = {-1, -1};
    std::string devicePath_;
    std::thread thread_;

    mutable std::mutex mutex_;  // guards memory_, traffic_, options_ and the fault counters
    RadioImage memory_;
    std::vector<WireFrame> traffic_;
    int wakeCount_ = 0;
    int identityCount_ = 0;
    int openingCount_ = 0;
    std::atomic<int> completedSessions_{0};

    // Used by the serving thread only.
    State state_ = State::kIdle;
    std::size_t wakeMatched_ = 0;
    std::vector<std::uint8_t> pending_;
    std::uint16_t blockAddress_ = 0;
    std::uint8_t blockLength_ = 0;
    bool nakPending_ = false;
    int sessionBlocks_ = 0;
    bool inSession_ = false;
    bool silent_ = false;  // parses what comes but answers nothing
    Clock::time_point incomingFreeAt_{};
    Clock::time_point outgoingFreeAt_{};
    std::atomic<long long> longestLateUs_{0};
    void NoteLateness(Clock::time_point scheduled);
};

}  // namespace dpmr

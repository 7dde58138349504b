// Helpers shared by the link tests: a running virtual radio, the frames the
// program is expected to put on the wire, and running the built dpmrtool as a
// child process.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "image/RadioImage.h"
#include "link/ProgramTransfer.h"
#include "link/VirtualRadio.h"

namespace dpmr::test {

using Bytes = std::vector<std::uint8_t>;
using Dir = WireFrame::Direction;

inline WireFrame To(Bytes b) {
    return {Dir::kToRadio, std::move(b)};
}
inline WireFrame From(Bytes b) {
    return {Dir::kFromRadio, std::move(b)};
}

// A radio memory whose every byte tells its address apart from its neighbours.
inline RadioImage PatternImage(std::uint8_t salt) {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        image.SetU8(i, static_cast<std::uint8_t>((i * 7 + (i >> 8) + salt) & 0xFF));
    }
    return image;
}

inline std::unique_ptr<VirtualRadio> StartRadio(VirtualRadioOptions options = {}) {
    auto radio = std::make_unique<VirtualRadio>(options);
    const Status s = radio->Start();
    EXPECT_TRUE(s.ok()) << s.message();
    return radio;
}

// The frames of one opening exchange as the radio records them.
inline void AppendOpening(std::vector<WireFrame>& frames, const Bytes& identity) {
    for (std::uint8_t b : Bytes{0x02, 'P', 'R', 'O', 'G', 'R', 'A'}) frames.push_back(To({b}));
    frames.push_back(From({'A'}));
    frames.push_back(To({'M', 0x02}));
    frames.push_back(From(identity));
    frames.push_back(To({'A'}));
    frames.push_back(From({'A'}));
}

inline void AppendRead(std::vector<WireFrame>& frames, const RadioImage& memory,
                       std::uint16_t address, std::uint8_t length) {
    const Bytes header = {'R', static_cast<std::uint8_t>(address >> 8),
                          static_cast<std::uint8_t>(address & 0xFF), length};
    frames.push_back(To(header));
    frames.push_back(From(header));
    const auto span = memory.Span(address, length);
    frames.push_back(From(Bytes(span.begin(), span.end())));
    frames.push_back(To({'A'}));
    frames.push_back(From({'A'}));
}

inline void AppendWrite(std::vector<WireFrame>& frames, const RadioImage& image,
                        std::uint16_t address, std::uint8_t length) {
    Bytes frame = {'W', static_cast<std::uint8_t>(address >> 8),
                   static_cast<std::uint8_t>(address & 0xFF), length};
    const auto span = image.Span(address, length);
    frame.insert(frame.end(), span.begin(), span.end());
    frames.push_back(To(frame));
    frames.push_back(From({'A'}));
}

// The identity block the virtual radio sends for the given band edges.
inline Bytes IdentityBlock(std::uint16_t low, std::uint16_t high) {
    Bytes b = {'D', 'P', 'M', 'R', '-', 'S', 'I', 'M', 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::uint16_t v : {low, high}) {
        b.push_back(static_cast<std::uint8_t>(v & 0xFF));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    return b;
}

// The frames the program sent to the radio, in order.
inline std::vector<Bytes> SentToRadio(const std::vector<WireFrame>& traffic) {
    std::vector<Bytes> out;
    for (const WireFrame& f : traffic) {
        if (f.direction == Dir::kToRadio) out.push_back(f.bytes);
    }
    return out;
}

// How often the program sent this frame (a wake-up sequence starts with {0x02}).
inline int CountFrames(const std::vector<WireFrame>& traffic, const Bytes& bytes) {
    int n = 0;
    for (const WireFrame& f : traffic) n += f.direction == Dir::kToRadio && f.bytes == bytes;
    return n;
}

inline const Bytes kEndR = {'E', 'N', 'D', 'R'};
inline const Bytes kEndW = {'E', 'N', 'D', 'W'};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A dpmrtool child with its stdout and stderr going to files, and a settings
// folder of the test's own so that the user's settings never apply.
class ToolProcess {
  public:
    ToolProcess(std::vector<std::string> args, const std::string& folder)
        : out_(folder + "tool.out"), err_(folder + "tool.err") {
        args.insert(args.begin(), std::string(DPMR_TEST_BIN_DIR) + "/dpmrtool");
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ != 0) return;
        ::setenv("XDG_CONFIG_HOME", (folder + "config").c_str(), 1);
        ::setenv("HOME", folder.c_str(), 1);
        ::dup2(::open(out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ~ToolProcess() {
        if (pid_ > 0 && !waited_) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
    }
    void Signal(int sig) const { ::kill(pid_, sig); }
    // The exit status, or 128 + the signal that ended it.
    int Wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        waited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::string Out() const { return ReadWholeFile(out_); }
    std::string Err() const { return ReadWholeFile(err_); }

  private:
    std::string out_;
    std::string err_;
    pid_t pid_ = -1;
    bool waited_ = false;
};

}  // namespace dpmr::test

// dpmrtool's transfer commands and its virtual radio, run as the built program:
// exit statuses, the exact texts on stderr, output files only on success,
// Ctrl+C, the settings file's port, and `dpmrtool sim`.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/link/LinkTestSupport.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"

namespace dpmr::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun RunTool(const TempDir& dir, const std::vector<std::string>& args) {
    ToolProcess tool(args, dir.path());
    const int status = tool.Wait();
    return {status, tool.Out(), tool.Err()};
}

class DpmrtoolTransfer : public ::testing::Test {
  protected:
    void SetUp() override {
        radio_ = StartRadio({.bandLowMhz = 136, .bandHighMhz = 174});
        memory_ = PatternImage(21);
        memory_.FillFF(layout::kRadioBandLower, 8);
        radio_->SetMemory(memory_);
        file_ = dir_.File("radio.dat");
        ASSERT_TRUE(SaveImageFile(file_, PatternImage(150)).ok());
    }
    // What an in-process read of this radio onto `base` gives.
    RadioImage ExpectedRead(RadioImage base) {
        TransferControl control;
        EXPECT_TRUE(ReadFromRadio({radio_->DevicePath(), 9600}, base, {}, control).succeeded());
        return base;
    }
    TempDir dir_;
    std::unique_ptr<VirtualRadio> radio_;
    RadioImage memory_;
    std::string file_;
};

TEST_F(DpmrtoolTransfer, ReadSavesTheBaseWithTheRadiosRanges) {
    const std::string out = dir_.File("out.dat");
    ToolRun run = RunTool(dir_, {"read", "--port", radio_->DevicePath(), "-o", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");  // no progress bar when stderr is not a terminal
    RadioImage got;
    ASSERT_TRUE(LoadImageFile(out, got).ok());
    RadioImage base;
    NewImage(base, std::string(DPMR_TEST_BIN_DIR) + "/", BandLimits{});
    EXPECT_EQ(got, ExpectedRead(base));
    EXPECT_EQ(got.Bcd4(layout::kRadioBandLower), 13600000u);

    run = RunTool(dir_, {"read", "--port", radio_->DevicePath(), "--baud", "19200", "--base", file_,
                         "--output", out});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(LoadImageFile(out, got).ok());
    RadioImage fileImage;
    ASSERT_TRUE(LoadImageFile(file_, fileImage).ok());
    EXPECT_EQ(got, ExpectedRead(fileImage));
}

TEST_F(DpmrtoolTransfer, WriteSendsTheFile) {
    const ToolRun run = RunTool(dir_, {"write", "--port", radio_->DevicePath(), file_});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(radio_->Memory().U8(0x1000), PatternImage(150).U8(0x1000));
    EXPECT_EQ(radio_->Memory().U8(0x0050), memory_.U8(0x0050));  // adjustment area not sent
}

TEST_F(DpmrtoolTransfer, FailuresPrintTheExactTextAndWriteNothing) {
    const std::string before = ReadWholeFile(file_);
    const std::string missing = dir_.File("no-such-port");
    const std::string out = dir_.File("out.dat");
    const struct {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{"read", "--port", missing, "-o", out}, "Cound not open the port.\n"},
        {{"write", "--port", missing, file_}, "Cound not open the port.\n"},
        {{"read-adjust", "--port", missing, file_}, "Cound not open the port\n"},
        {{"write-adjust", "--port", missing, file_}, "Cound not open the port\n"},
        {{"read-squelch", "--port", missing, file_}, "Could ont open the port\n"},
        {{"write-squelch", "--port", missing, file_}, "Could ont open the port\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(dir_, c.args);
        EXPECT_EQ(run.status, 1) << c.args[0];
        EXPECT_EQ(run.err, c.err) << c.args[0];
    }
    radio_->SetFaults({.shortReadAt = 0x3E3A, .nakReadAt = 0x3000});
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"read", "--port", radio_->DevicePath(), "-o", out},
          std::vector<std::string>{"read-squelch", "--port", radio_->DevicePath(), file_}}) {
        const ToolRun run = RunTool(dir_, args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_EQ(run.err, "Communication error\n") << args[0];
    }
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(ReadWholeFile(file_), before);
}

TEST_F(DpmrtoolTransfer, ServiceCommandsUpdateTheFileInPlace) {
    ToolRun run = RunTool(dir_, {"read-squelch", "--port", radio_->DevicePath(), file_});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    RadioImage image;
    ASSERT_TRUE(LoadImageFile(file_, image).ok());
    EXPECT_EQ(image.U8(0x3E10), memory_.U8(0x3E10));
    EXPECT_EQ(image.U8(0x3E3D), memory_.U8(0x3E3D));
    EXPECT_EQ(image.U8(0x3E11), PatternImage(150).U8(0x3E11));

    run = RunTool(dir_, {"read-adjust", "--port", radio_->DevicePath(), file_});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Read successfully\n");
    ASSERT_TRUE(LoadImageFile(file_, image).ok());
    EXPECT_EQ(image.U8(0x0087), memory_.U8(0x0087));

    const struct {
        const char* command;
        const char* out;
    } writes[] = {{"write-adjust", "Write successfully\n"}, {"write-squelch", "Success\n"}};
    for (const auto& w : writes) {
        run = RunTool(dir_, {w.command, "--port", radio_->DevicePath(), file_});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, w.out);
    }
}

TEST_F(DpmrtoolTransfer, PortAndSpeedComeFromTheSettingsFile) {
    fs::create_directories(dir_.File("config/dpmrcps"));
    std::ofstream(dir_.File("config/dpmrcps/Program.ini"))
        << "[Setup]\nCOM=" << radio_->DevicePath() << "\nBaudRate=fast\n";
    const ToolRun run = RunTool(dir_, {"read-adjust", file_});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Read successfully\n");
}

TEST_F(DpmrtoolTransfer, UsageAndFileErrorsExitWithTwo) {
    std::ofstream(dir_.File("short.dat")) << "short";
    const std::vector<std::vector<std::string>> cases = {
        {"read", "--port", radio_->DevicePath()},
        {"read", "--port", radio_->DevicePath(), "--baud", "-5", "-o", dir_.File("x.dat")},
        {"read", "--port", radio_->DevicePath(), "--base", dir_.File("short.dat"), "-o",
         dir_.File("x.dat")},
        {"write", "--port", radio_->DevicePath(), dir_.File("missing.dat")},
        {"read-squelch", "--port", radio_->DevicePath(), dir_.File("short.dat")},
        {"write-adjust", "--bogus", file_},
        {"sim", "--pace-baud", "fast"},
        {"sim", "--image", dir_.File("short.dat")},
    };
    for (const auto& args : cases) {
        const ToolRun run = RunTool(dir_, args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args.back();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(fs::exists(dir_.File("x.dat")));
    EXPECT_EQ(radio_->CompletedSessions(), 0);
}

TEST(DpmrtoolInterrupt, CtrlCEndsTheTransferProperlyWith130) {
    for (const bool read : {true, false}) {
        TempDir dir;
        auto radio = StartRadio({.paceBaud = 9600});  // a full transfer takes 20 s
        ASSERT_TRUE(SaveImageFile(dir.File("in.dat"), PatternImage(1)).ok());
        const std::string out = dir.File("out.dat");
        ToolProcess tool(
            read ? std::vector<std::string>{"read", "--port", radio->DevicePath(), "-o", out}
                 : std::vector<std::string>{"write", "--port", radio->DevicePath(),
                                            dir.File("in.dat")},
            dir.path());
        std::this_thread::sleep_for(600ms);
        tool.Signal(SIGINT);
        EXPECT_EQ(tool.Wait(), 130);
        EXPECT_FALSE(fs::exists(out));
        const auto traffic = radio->Traffic();
        EXPECT_EQ(SentToRadio(traffic).back(), read ? kEndR : kEndW);
        EXPECT_EQ(traffic.back(), From({'A'}));  // the final byte was sent and read
        EXPECT_EQ(radio->CompletedSessions(), 1);
    }
}

TEST(DpmrtoolSim, ServesUntilStoppedAndSavesItsMemory) {
    TempDir dir;
    ASSERT_TRUE(SaveImageFile(dir.File("start.dat"), PatternImage(70)).ok());
    ToolProcess sim({"sim", "--image", dir.File("start.dat"), "--save", dir.File("end.dat"),
                     "--band-low", "136", "--band-high", "174"},
                    dir.path());
    std::string out;
    for (int i = 0; i < 200 && out.find('\n') == std::string::npos; ++i) {
        std::this_thread::sleep_for(10ms);
        out = sim.Out();
    }
    ASSERT_NE(out.find('\n'), std::string::npos);
    const std::string device = out.substr(0, out.find('\n'));
    EXPECT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;

    const RadioImage written = PatternImage(222);
    TransferControl control;
    ASSERT_TRUE(WriteToRadio({device, 9600}, written, {}, control).succeeded());
    RadioImage read;
    ASSERT_TRUE(ReadFromRadio({device, 9600}, read, {}, control).succeeded());
    EXPECT_EQ(read.U8(0x0200), written.U8(0x0200));

    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Wait(), 0);
    RadioImage saved;
    ASSERT_TRUE(LoadImageFile(dir.File("end.dat"), saved).ok());
    EXPECT_EQ(saved.U8(0x0200), written.U8(0x0200));
    EXPECT_EQ(saved.U8(0x0010), PatternImage(70).U8(0x0010));  // never transferred

    const ToolRun help = RunTool(dir, {"sim", "--help"});
    for (const char* option :
         {"--image", "--save", "--pace-baud", "--band-low", "--band-high", "--wrong-wake",
          "--missing-wake", "--short-identity", "--bad-opening-ack", "--short-read", "--nak-read",
          "--nak-write", "--silent-after"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace dpmr::test

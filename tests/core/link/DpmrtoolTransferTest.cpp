// dpmrtool's transfer commands, run as the built program against the virtual
// radio: exit statuses, the exact texts on stderr, output files only on success, the
// settings file's port and Ctrl+C. What a transfer does on the wire is
// ProgramTransferTest's; here one run per command shows it reaches the radio.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <filesystem>

#include "core/link/LinkTestSupport.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"

namespace dpmr::test {
namespace {

namespace fs = std::filesystem;

class DpmrtoolTransfer : public ::testing::Test {
  protected:
    void SetUp() override {
        memory_.FillFF(layout::kRadioBandLower, 8);  // the radio holds no band edges
        radio_->SetMemory(memory_);
        ASSERT_TRUE(SaveImageFile(file_, PatternImage(150)).ok());
    }
    int Tool(std::vector<std::string> args) { return ToolProcess(args, dir_.path(), tool_).Wait(); }
    std::string Err() const { return FileText(dir_.File("tool.err")); }
    // dpmrtool from a folder of its own with this Program.ini beside it.
    void PutSettings(const std::string& text) { tool_ = PortableTool(dir_.path(), text); }
    std::string tool_;
    TempDir dir_;
    std::unique_ptr<VirtualRadio> radio_ = StartRadio({.bandLowMhz = 136, .bandHighMhz = 174});
    RadioImage memory_ = PatternImage(21);
    const std::string port_ = radio_->DevicePath();
    const std::string file_ = dir_.File("radio.dat");
    const std::string out_ = dir_.File("out.dat");
};

// (Write: DpmrtoolSafetyTest.)
TEST_F(DpmrtoolTransfer, ReadSavesTheBaseWithTheRadiosRanges) {
    ASSERT_EQ(Tool({"read", "--port", port_, "--baud", "19200", "--base", file_, "-o", out_}), 0)
        << Err();
    EXPECT_EQ(Err(), "");  // no progress bar when stderr is not a terminal
    RadioImage got, expected;
    ASSERT_TRUE(LoadImageFile(out_, got).ok());
    ASSERT_TRUE(LoadImageFile(file_, expected).ok());
    // What an in-process read gives, band edges filled in.
    ASSERT_TRUE(RunTransfer(Kind::kRead, port_, expected).succeeded());
    EXPECT_EQ(got, expected);
}

// The service commands update the file in place and print the texts users
// know; read-adjust takes the port, and 9600 for a bad speed, from the
// settings file.
TEST_F(DpmrtoolTransfer, ServiceCommandsUpdateTheFileInPlaceAndPrintTheirText) {
    PutSettings("[Setup]\nCOM=" + port_ + "\nBaudRate=fast\n");
    const std::pair<std::vector<std::string>, const char*> runs[] = {
        {{"read-squelch", "--port", port_, file_}, ""},
        {{"read-adjust", file_}, "Read successfully\n"},
        {{"write-adjust", "--port", port_, file_}, "Write successfully\n"},
        {{"write-squelch", "--port", port_, file_}, "Success\n"}};
    for (const auto& [args, out] : runs) {
        EXPECT_EQ(Tool(args), 0) << Err();
        EXPECT_EQ(FileText(dir_.File("tool.out")), out);
    }
    RadioImage image;
    ASSERT_TRUE(LoadImageFile(file_, image).ok());
    for (std::size_t a : {0x3E10, 0x3E3D, 0x0040, 0x0087}) EXPECT_EQ(image.U8(a), memory_.U8(a));
    EXPECT_EQ(image.U8(0x3E11), PatternImage(150).U8(0x3E11));
}

// A failure exits with its status and text and writes no file. An output that
// cannot be written is found before the transfer, so only the failed read
// reaches the radio.
TEST_F(DpmrtoolTransfer, FailuresExitWithTheirStatusAndTextAndWriteNothing) {
    radio_->SetFaults({.nakReadAt = 0x3000});
    PutSettings("[Setup]\nCOM=\n");  // the settings hold no port
    // clang-format off
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"read", "--port", port_, "-o", out_}, 1, "Communication error\nthe transfer broke off at address 0x3000\n"},
        {{"read", "-o", out_}, 2,
         "dpmrtool: no serial port given: use --port DEV (or set COM in Program.ini)\n"},
        {{"read", "--port", port_, "-o", dir_.File("no-folder/out.dat")}, 2, ""},
    };
    // clang-format on
    for (const auto& [args, status, text] : cases) {
        SCOPED_TRACE(args[0] + " " + args.back());
        EXPECT_EQ(Tool(args), status);
        const std::string err = Err();  // empty `text`: any one line
        EXPECT_TRUE(text.empty() ? std::count(err.begin(), err.end(), '\n') == 1 : err == text)
            << err;
    }
    EXPECT_FALSE(fs::exists(out_));
    EXPECT_TRUE(SessionsCompleted(*radio_, 1));
}

// Ctrl+C once the block loop runs ends the transfer properly: the end frame
// sent, exit 130 and no output file. (A stopped Write's warning is the core's.)
TEST_F(DpmrtoolTransfer, CtrlCEndsTheTransferProperlyWith130) {
    auto radio = StartRadio({.paceBaud = 9600});  // a full transfer takes 20 s
    ToolProcess tool({"read", "--port", radio->DevicePath(), "-o", out_}, dir_.path());
    ASSERT_TRUE(Eventually([&] { return Requested(*radio, 0x0100); }));
    ::kill(tool.pid, SIGINT);
    EXPECT_EQ(tool.Wait(), 130);
    EXPECT_EQ(Err(), "");
    EXPECT_FALSE(fs::exists(out_));
    EXPECT_TRUE(SessionsCompleted(*radio, 1));
    ExpectEndFrame(*radio, kEndR);
}

}  // namespace
}  // namespace dpmr::test

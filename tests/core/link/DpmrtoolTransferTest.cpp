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
#include "link/TraceStore.h"
#include "support/ReportArchive.h"
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
        {{"read", "--port", port_, "-o", out_}, 1, "Communication error\nthe transfer broke off at address 0x3000\n"
         "Wire trace: " + dir_.File("state/dpmrcps/traces/")},
        {{"read", "-o", out_}, 2,
         "dpmrtool: no serial port given: use --port DEV (or set COM in Program.ini)\n"},
        {{"read", "--port", port_, "-o", dir_.File("no-folder/out.dat")}, 2, ""},
    };
    // clang-format on
    for (const auto& [args, status, text] : cases) {
        SCOPED_TRACE(args[0] + " " + args.back());
        EXPECT_EQ(Tool(args), status);
        const std::string err = Err();  // empty `text`: any one line
        // A trace's name holds the time: the text names its folder.
        EXPECT_TRUE(text.empty() ? std::count(err.begin(), err.end(), '\n') == 1
                                 : err.substr(0, text.size()) == text)
            << err;
    }
    EXPECT_FALSE(fs::exists(out_));
    EXPECT_TRUE(SessionsCompleted(*radio_, 1));
}

// --trace FILE keeps the transfer's frames in a file of the user's choosing
// (the block data at its address), as well as among the last traces; the
// doctor passes the virtual radio's port and fails a missing one.
TEST_F(DpmrtoolTransfer, TraceFileAndDoctor) {
    const std::string trace = dir_.File("read.trace");
    ASSERT_EQ(Tool({"read", "--port", port_, "--trace", trace, "-o", out_}), 0) << Err();
    const std::string text = FileText(trace);
    EXPECT_NE(text.find("# transfer: read\n# port: " + port_ + " at 9600 bit/s\n"),
              std::string::npos);
    EXPECT_NE(text.find(" -> 52 21 60 20\n"), std::string::npos);  // the first pass's block
    EXPECT_NE(text.find(" <- @0100  "), std::string::npos);
    EXPECT_NE(text.find(" -> 45 4e 44 52\n"), std::string::npos);  // ENDR
    EXPECT_EQ(text.substr(text.size() - 20), "# result: succeeded\n");
    const auto kept = TraceStore(dir_.File("state/dpmrcps/traces")).List();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(FileText(kept[0]), text);
    EXPECT_EQ(Tool({"doctor", "--port", port_}), 0) << FileText(dir_.File("tool.out"));
    EXPECT_NE(FileText(dir_.File("tool.out")).find(port_ + ": can be used\n  a virtual port"),
              std::string::npos);
    EXPECT_EQ(Tool({"doctor", "--port", dir_.File("ttyUSB3")}), 1);
    EXPECT_NE(FileText(dir_.File("tool.out"))
                  .find("Problem: " + dir_.File("ttyUSB3") + " does not exist"),
              std::string::npos);
}

// After a failed write, the report holds that write's trace and no radio ID,
// name, contact or code of the file, in the trace or the configuration.
TEST_F(DpmrtoolTransfer, ReportAfterAFailedWriteHoldsItsTraceAndNoIdentity) {
    const KnownIdentity known = WithKnownIdentity(PatternImage(150));
    ASSERT_TRUE(SaveImageFile(file_, known.image).ok());
    radio_->SetFaults({.nakWriteAt = 0x3000});
    ASSERT_EQ(Tool({"write", "--force", "--port", port_, file_}), 1);
    const std::string err = Err();
    const std::size_t at = err.find("Wire trace: ");
    ASSERT_NE(at, std::string::npos) << err;
    const std::string trace = err.substr(at + 12, err.find('\n', at) - at - 12);
    EXPECT_TRUE(trace.ends_with("_write.trace")) << trace;
    const std::string report = dir_.File("r.tar.gz");
    ASSERT_EQ(Tool({"report", "--codeplug", file_, "-o", report}), 0) << Err();
    const auto files = UnpackReport(report);
    const std::string name = "traces/" + trace.substr(trace.rfind('/') + 1);
    ASSERT_TRUE(files.count(name)) << FileText(dir_.File("tool.out"));
    EXPECT_NE(files.at(name).find("-> 57 30 00 20"), std::string::npos);
    EXPECT_TRUE(files.count("codeplug.dat"));
    for (const auto& [file, text] : files) {
        for (const std::string& value : known.texts)
            EXPECT_EQ(text.find(value), std::string::npos) << file << ": " << value;
        for (const std::string& bytes : known.wire)
            EXPECT_EQ(text.find(bytes), std::string::npos) << file << ": " << bytes;
    }
    EXPECT_NE(FileText(dir_.File("tool.out")).find(name + " ("), std::string::npos);
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

// dpmrtool fleet and sim --count, run as the built programs against virtual
// radios: the radios' memories afterwards, the
// summary table, the exit statuses, the log file, Ctrl+C. What each radio's
// image holds in detail is FleetWriteTest's.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <sstream>

#include "core/link/LinkTestSupport.h"
#include "fleet/FleetPlan.h"
#include "image/ImageLayout.h"
#include "support/DemoCodeplug.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"
#include "util/Csv.h"

namespace dpmr::test {
namespace {

namespace fs = std::filesystem;

class DpmrtoolFleet : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(SaveImageFile(file_, DemoImage()).ok()); }
    void StartRadios(std::size_t count, VirtualRadioOptions options = {}) {
        for (std::size_t k = 0; k < count; ++k) {
            radios_.push_back(StartRadio(options));
            radios_.back()->SetMemory(PatternImage(static_cast<std::uint8_t>(k)));
        }
    }
    std::vector<std::string> Args(std::vector<std::string> extra) const {
        std::vector<std::string> args{"fleet", file_};
        for (const auto& r : radios_) {
            args.push_back("--port");
            args.push_back(r->DevicePath());
        }
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }
    int Tool(std::vector<std::string> args) { return ToolProcess(args, dir_.path()).Wait(); }
    std::string Out() const { return FileText(dir_.File("tool.out")); }
    std::string Err() const { return FileText(dir_.File("tool.err")); }
    // The table's line for a port.
    std::string Row(const std::string& port) const {
        std::istringstream in(Out());
        for (std::string line; std::getline(in, line);)
            if (line.rfind(port + " ", 0) == 0) return line;
        return {};
    }

    TempDir dir_;
    const std::string file_ = dir_.File("demo.dat");
    std::vector<std::unique_ptr<VirtualRadio>> radios_;
};

// Four radios get their own IDs and keep their calibration; the check's
// warning about the document is said once, not once a radio; the log.
TEST_F(DpmrtoolFleet, FourRadiosGetTheirOwnIdsTheWarningOnceAndTheLog) {
    RadioImage document = DemoImage();
    StoreRadioName(document, "");
    ASSERT_TRUE(SaveImageFile(file_, document).ok());
    StartRadios(4);
    const std::string log = dir_.File("fleet.csv");
    ASSERT_EQ(Tool(Args({"--id-from", "1000001", "--verify", "--log", log})), 0) << Err();
    const std::string err = Err();
    const std::string warning = "warning: The dPMR radio name is empty\n";
    EXPECT_EQ(err.find(warning), 0u) << err;
    EXPECT_EQ(err.find("name is empty", warning.size()), std::string::npos) << err;
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const RadioImage memory = radios_[k]->Memory();
        EXPECT_EQ(ImageRadioId(memory), "100000" + std::to_string(k + 1));
        EXPECT_EQ(memory.U8(0x1000), document.U8(0x1000));
        EXPECT_EQ(memory.U8(layout::kSquelchValues),
                  PatternImage(static_cast<std::uint8_t>(k)).U8(layout::kSquelchValues));
        const std::string row = Row(radios_[k]->DevicePath());
        EXPECT_NE(row.find("100000" + std::to_string(k + 1)), std::string::npos) << Out();
        EXPECT_NE(row.find(" done"), std::string::npos) << row;
    }
    std::vector<CsvRecord> rows;
    ASSERT_TRUE(ParseCsv(FileText(log), rows).ok());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4].fields[1], file_);
    EXPECT_EQ(rows[4].fields[3], radios_[3]->DevicePath());
    EXPECT_EQ(rows[4].fields[7],
              "done: Written and verified, except the 24-byte closing block, which the radio "
              "does not send back");
    EXPECT_EQ(rows[4].fields[8], "verified");
    EXPECT_TRUE(fs::exists(rows[4].fields[9])) << rows[4].fields[9];
}

// Refusals come before anything is sent, with status 2 and one line.
TEST_F(DpmrtoolFleet, RefusedIdsAndBadOptionsSendNothing) {
    StartRadios(2);
    const std::vector<std::vector<std::string>> cases = {
        {"--id-from", "8999999", "--id-step", "1000001"},  // 9999999 > 9000000
        {"--id-from", "0999999"},                          // then 1000000
        {"--id-from", "5", "--id-step", "0"},
        {},  // both would keep the document's ID
        {"--id-from", "5", "--name", "{bad}"},
        {"--id-from", "5", "--keep-identity"},
        {"--id-step", "2"},
        {"--id-from", "12x"},
        {"--id-from", "5", "--log", dir_.File("no/such/folder/log.csv")},
    };
    for (const auto& extra : cases) {
        SCOPED_TRACE(::testing::PrintToString(extra));
        EXPECT_EQ(Tool(Args(extra)), 2);
        const std::string err = Err();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(Out(), "");
    }
    EXPECT_EQ(Tool({"fleet", file_, "--port", "/dev/a", "--port", "/dev/a", "--id-from", "9"}), 2);
    EXPECT_EQ(Err(), "dpmrtool: the port /dev/a is given twice\n");
    for (const auto& r : radios_) EXPECT_TRUE(r->Traffic().empty());
}

// The acceptance run with radio 3 silent, on radios of `dpmrtool sim --count`:
// radios 1, 2 and 4 are done, radio 3 failed with its reason, status 1.
TEST_F(DpmrtoolFleet, ASilentSimRadioFailsAlone) {
    TempDir simDir;
    const std::string saved = simDir.File("radio.dat");
    ToolProcess sim({"sim", "--count", "4", "--radio", "3", "--silent", "--save", saved},
                    simDir.path());
    std::vector<std::string> ports;
    ASSERT_TRUE(Eventually([&] {
        std::istringstream in(FileText(simDir.File("tool.out")));
        ports.clear();
        for (std::string line; std::getline(in, line);) ports.push_back(line);
        return ports.size() == 4;
    }));
    std::vector<std::string> args{"fleet", file_, "--id-from", "1000001", "--name", "Unit {n}"};
    for (const auto& p : ports) args.insert(args.end(), {"--port", p});
    EXPECT_EQ(Tool(args), 1) << Err();
    for (int k : {0, 1, 3}) EXPECT_NE(Row(ports[k]).find(" done"), std::string::npos) << Out();
    EXPECT_NE(Row(ports[2]).find(std::string("failed: ") + "its squelch calibration could not "
                                                           "be read"),
              std::string::npos)
        << Out();
    EXPECT_NE(Row(ports[2]).find(msg::kNoAnswer), std::string::npos);
    ::kill(sim.pid, SIGTERM);
    EXPECT_EQ(sim.Wait(), 0);
    for (int k : {1, 2, 4}) {
        RadioImage memory;
        ASSERT_TRUE(LoadImageFile(simDir.File("radio-" + std::to_string(k) + ".dat"), memory).ok());
        EXPECT_EQ(memory.Text(layout::kRadioName, 8), "Unit " + std::to_string(k));
    }
}

// Each --radio K of `dpmrtool sim` starts a group of fault options for that
// radio alone; those before any --radio are every radio's.
TEST_F(DpmrtoolFleet, EachSimRadioGroupGetsItsOwnFaults) {
    TempDir simDir;
    ToolProcess sim({"sim", "--count", "4", "--radio", "1", "--silent", "--radio", "3",
                     "--nak-write=0x1000", "--radio", "4", "--corrupt-byte", "0x0105"},
                    simDir.path());
    std::vector<std::string> ports;
    ASSERT_TRUE(Eventually([&] {
        std::istringstream in(FileText(simDir.File("tool.out")));
        ports.clear();
        for (std::string line; std::getline(in, line);) ports.push_back(line);
        return ports.size() == 4;
    })) << FileText(simDir.File("tool.err"));
    std::vector<std::string> args{"fleet", file_, "--id-from", "1000001", "--verify"};
    for (const auto& p : ports) args.insert(args.end(), {"--port", p});
    EXPECT_EQ(Tool(args), 1) << Err();
    EXPECT_NE(Row(ports[0]).find(msg::kNoAnswer), std::string::npos) << Out();
    EXPECT_NE(Row(ports[1]).find(" done"), std::string::npos) << Out();
    EXPECT_NE(Row(ports[2]).find("broke off at address 0x1000"), std::string::npos) << Out();
    EXPECT_NE(Row(ports[3]).find("failed: Verify failed"), std::string::npos) << Out();
    ::kill(sim.pid, SIGTERM);
    EXPECT_EQ(sim.Wait(), 0);

    // A radio that is not there, a group without its radio: refused.
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"sim", "--count", "2", "--radio", "3", "--silent"},
          {"sim", "--count", "2", "--radio=3", "--silent"},
          {"sim", "--radio", "1", "--silent", "--radio", "0"},
          {"sim", "--silent", "--radio"},
          {"sim", "--radio", "1", "--nak-write", "0x10000"},
          {"sim", "--band-high", "65536"}}) {
        EXPECT_EQ(Tool(bad), 2) << bad.back();
        EXPECT_EQ(Err().rfind("dpmrtool: ", 0), 0u) << Err();
    }
}

// The shop's list of six radios: each gets its own row, the first row on
// the port it names, the others in port order; with an ID twice nothing is
// sent to any radio.
TEST_F(DpmrtoolFleet, ASixRadioListProgramsEachRadioAndAListWithAnIdTwiceSendsNothing) {
    StartRadios(6);
    const char* names[] = {"Alfa", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"};
    const char* ids[] = {"2310417", "2310422", "2310438", "2310501", "2310777", "2310903"};
    const auto listText = [&](const char* lastId) {
        std::string text = "Name,dPMR ID,Port\n";
        for (int k = 0; k < 6; ++k) {
            text += std::string(names[k]) + "," + (k == 5 ? lastId : ids[k]);
            if (k == 0) text += "," + radios_[5]->DevicePath();
            text += "\n";
        }
        return text;
    };
    const std::string list = dir_.File("radios.csv");
    PutFile(list, listText("2310501"));
    std::vector<std::string> ports;  // the five cables the list names none for
    for (std::size_t k = 0; k < 5; ++k)
        ports.insert(ports.end(), {"--port", radios_[k]->DevicePath()});
    std::vector<std::string> args{"fleet", file_, "--list", list, "--verify"};
    args.insert(args.end(), ports.begin(), ports.end());
    EXPECT_EQ(Tool(args), 2);
    EXPECT_EQ(Err(),
              "dpmrtool: line 7 (\"Foxtrot\"): the dPMR ID 2310501 is given twice: also line 5 "
              "(\"Delta\")\ndpmrtool: nothing was sent: mend " +
                  list + " first\n");
    for (const auto& r : radios_) EXPECT_TRUE(r->Traffic().empty());

    PutFile(list, listText("2310903"));
    ASSERT_EQ(Tool(args), 0) << Err();
    EXPECT_EQ(Err().find("every radio keeps the file's name"), std::string::npos) << Err();
    for (std::size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        // Radio k of the list is on cable k - 1, the first on the last cable.
        const VirtualRadio& radio = *radios_[k == 0 ? 5 : k - 1];
        EXPECT_EQ(ImageRadioId(radio.Memory()), ids[k]);
        EXPECT_EQ(ImageRadioName(radio.Memory()), names[k]);
        const std::string row = Row(radio.DevicePath());
        EXPECT_NE(row.find(std::string(ids[k]) + " "), std::string::npos) << Out();
        EXPECT_NE(row.find(" done"), std::string::npos) << row;
    }
}

// An option given twice, or one another makes pointless, is refused; with
// no name given, the file's name for every radio is said once.
TEST_F(DpmrtoolFleet, OptionsGivenTwiceOrToNoPurposeAreRefusedAndTheKeptNameIsSaid) {
    StartRadios(2);
    const std::string list = dir_.File("radios.csv");
    PutFile(list, "A,2310417\nB,2310422\n");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--id-from", "1", "--id-from", "5"},
         "--id-from is given twice (\"1\" and \"5\"): give it once"},
        {{"--id-from", "1", "--name", "a", "--name", "b", "--name", "c"},
         "--name is given 3 times (\"a\", \"b\" and \"c\"): give it once"},
        {{"--list", list, "--id-from", "5"},
         "--list gives every radio its ID and name, so --id-from has no use with it"},
        {{"--list", list, "--name", "U{n}"},
         "--list gives every radio its ID and name, so --name has no use with it"},
    };
    for (const auto& [extra, message] : cases) {
        SCOPED_TRACE(message);
        EXPECT_EQ(Tool(Args(extra)), 2);
        EXPECT_EQ(Err(), "dpmrtool: " + message + "\n");
    }
    for (const auto& r : radios_) EXPECT_TRUE(r->Traffic().empty());

    ASSERT_EQ(Tool(Args({"--id-from", "2310417"})), 0) << Err();
    const std::string err = Err();
    const std::string note =
        "every radio keeps the file's name \"" + ImageRadioName(DemoImage()) + "\"";
    EXPECT_NE(err.find(note), std::string::npos) << err;
    EXPECT_EQ(err.find(note, err.find(note) + 1), std::string::npos) << err;
}

// One cable: three radios put on it one after another (the cable's path
// leads to whichever is plugged in), each written after Enter, the next row
// and what the last one got said, and the job report of all three.
TEST_F(DpmrtoolFleet, OneCableWritesTheListRadioByRadioAfterEnter) {
    const std::string list = dir_.File("radios.csv");
    PutFile(list, "Alfa,2310417\nBravo,2310422\nCharlie,2310438\n");
    const std::string cable = dir_.File("cable");
    const auto plugIn = [&](std::size_t k) {
        radios_.push_back(StartRadio());
        radios_.back()->SetMemory(PatternImage(static_cast<std::uint8_t>(20 + k)));
        fs::remove(cable);
        fs::create_symlink(radios_.back()->DevicePath(), cable);
    };
    EXPECT_EQ(Tool({"fleet", file_, "--one-port", cable}), 2);
    EXPECT_EQ(Err(), "dpmrtool: --one-port needs --list: the radios' IDs and names, in order\n");
    EXPECT_EQ(Tool({"fleet", file_, "--one-port", cable, "--list", list, "--port", "/dev/x"}), 2);

    plugIn(0);
    const std::string log = dir_.File("job.csv");
    ToolProcess tool({"fleet", file_, "--one-port", cable, "--list", list, "--log", log},
                     dir_.path(), {}, true);
    ASSERT_TRUE(Eventually([&] { return Err().find("Next: radio 1 of 3") != std::string::npos; }));
    EXPECT_TRUE(radios_[0]->Traffic().empty());  // nothing before Enter
    for (std::size_t k = 0; k < 3; ++k) {
        if (k > 0) plugIn(k);
        tool.Send("\n");
        ASSERT_TRUE(Eventually([&] { return CountFrames(radios_[k]->Traffic(), kEndW) == 1; }));
    }
    EXPECT_EQ(tool.Wait(), 0) << Err();
    const std::string err = Err();
    EXPECT_NE(err.find("radio 1 got 2310417 \"Alfa\": done\nNext: radio 2 of 3, ID 2310422 "
                       "\"Bravo\": put it on the cable"),
              std::string::npos)
        << err;
    const char* names[] = {"Alfa", "Bravo", "Charlie"};
    const char* ids[] = {"2310417", "2310422", "2310438"};
    std::vector<CsvRecord> rows;
    ASSERT_TRUE(ParseCsv(FileText(log), rows).ok());
    ASSERT_EQ(rows.size(), 4u);
    for (std::size_t k = 0; k < 3; ++k) {
        const RadioImage memory = radios_[k]->Memory();
        EXPECT_EQ(ImageRadioId(memory), ids[k]);
        EXPECT_EQ(ImageRadioName(memory), names[k]);
        EXPECT_EQ(memory.U8(layout::kSquelchValues),
                  PatternImage(static_cast<std::uint8_t>(20 + k)).U8(layout::kSquelchValues));
        EXPECT_EQ(rows[k + 1].fields[5], ids[k]);
        EXPECT_EQ(rows[k + 1].fields[7], "done");
    }
    // Each radio told apart by its own calibration.
    EXPECT_NE(rows[1].fields[4], rows[2].fields[4]);

    // "q" stops before the end: the rows not reached are waiting.
    ToolProcess stopped({"fleet", file_, "--one-port", cable, "--list", list}, dir_.path(), {},
                        true);
    tool.CloseInput();
    stopped.Send("q\n");
    EXPECT_EQ(stopped.Wait(), 1);
    EXPECT_NE(Err().find("stopped before the end of the list"), std::string::npos) << Err();
    EXPECT_EQ(CountFrames(radios_[2]->Traffic(), kEndW), 1);
}

TEST_F(DpmrtoolFleet, CtrlCStopsEveryRadioWith130AndNamesThePartlyWrittenOnes) {
    StartRadios(2, {.paceBaud = 9600});
    ToolProcess tool(Args({"--id-from", "1000001"}), dir_.path());
    ASSERT_TRUE(Eventually([&] {
        return Requested(*radios_[0], 0x0120) && Requested(*radios_[1], 0x0120);
    })) << Err()
        << radios_[0]->Traffic().size() << " " << radios_[1]->Traffic().size();
    ::kill(tool.pid, SIGINT);
    EXPECT_EQ(tool.Wait(), 130);
    const std::string err = Err();
    EXPECT_NE(err.find("partly written configuration: write them again before using them: " +
                       radios_[0]->DevicePath() + " " + radios_[1]->DevicePath()),
              std::string::npos)
        << err;
    for (const auto& r : radios_) {
        EXPECT_TRUE(Eventually([&] { return CountFrames(r->Traffic(), kEndW) == 1; }));
        EXPECT_EQ(SentToRadio(r->Traffic()).back(), kEndW);
    }
}

// SIGTERM or SIGHUP is taken as Ctrl+C is: every radio stops between blocks,
// the partly written ones are named, each backup is listed as a failed write
// and the log points at it; the exit status is the signal's.
TEST_F(DpmrtoolFleet, TermAndHupStopEveryRadioAndMarkTheirBackupsInTheLog) {
    StartRadios(2, {.paceBaud = 9600});
    for (const int signo : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signo);
        for (const auto& r : radios_) r->ClearTraffic();
        const std::string log = dir_.File("fleet-" + std::to_string(signo) + ".csv");
        ToolProcess tool(Args({"--id-from", "1000001", "--log", log}), dir_.path());
        ASSERT_TRUE(Eventually(
            [&] { return Requested(*radios_[0], 0x0120) && Requested(*radios_[1], 0x0120); }));
        ::kill(tool.pid, signo);
        EXPECT_EQ(tool.Wait(), 128 + signo);
        EXPECT_NE(Err().find("partly written configuration: write them again before using them: " +
                             radios_[0]->DevicePath() + " " + radios_[1]->DevicePath()),
                  std::string::npos)
            << Err();
        std::vector<CsvRecord> rows;
        ASSERT_TRUE(ParseCsv(FileText(log), rows).ok());
        ASSERT_EQ(rows.size(), 3u);
        for (std::size_t k = 1; k < 3; ++k) {
            EXPECT_EQ(rows[k].fields[7].rfind("cancelled: ", 0), 0u) << rows[k].fields[7];
            EXPECT_NE(rows[k].fields[9].find("_write-failed"), std::string::npos)
                << rows[k].fields[9];
            EXPECT_TRUE(fs::exists(rows[k].fields[9]));
        }
        for (const auto& r : radios_)
            EXPECT_TRUE(Eventually([&] { return CountFrames(r->Traffic(), kEndW) == 1; }));
    }
}

}  // namespace
}  // namespace dpmr::test

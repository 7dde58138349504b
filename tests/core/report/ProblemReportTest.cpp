// The problem report: every part it lists is in its archive; no identity
// value of the configuration occurs in any file of it, while the rest of the
// configuration and of the traces stays as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "backup/BackupStore.h"
#include "core/link/LinkTestSupport.h"
#include "link/TraceStore.h"
#include "link/TransferTrace.h"
#include "report/ProblemReport.h"
#include "report/ReportIdentity.h"
#include "support/DemoCodeplug.h"
#include "support/ReportArchive.h"

namespace dpmr::test {
namespace {

TEST(ProblemReport, HoldsEveryPartAndNoIdentity) {
    TempDir dir;
    const KnownIdentity known = WithKnownIdentity(DemoImage());
    // A write that fails after the identity's blocks went out.
    auto radio = StartRadio({.faults = {.nakWriteAt = 0x3000}});
    TransferTrace trace("write", {radio->DevicePath(), 9600}, dir.File("traces"));
    TransferControl control;
    TransferResult result = WriteToRadio(trace.Link(), known.image, {}, control);
    trace.Finish(result);
    ASSERT_TRUE(result.failed());
    const std::vector<std::string> traces = TraceStore(dir.File("traces")).List();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_NE(result.message.find("\nWire trace: " + traces[0]), std::string::npos);
    PutFile(dir.File("prog/Program.ini"), "[Setup]\nCOM=/dev/ttyUSB0\n");
    ASSERT_TRUE(BackupStore(dir.File("backups")).Save(known.image, BackupKind::kWrite, 0).ok());

    ReportInputs inputs{.program = "dpmrtool",
                        .qtVersion = {},
                        .root = "/",
                        .portName = "/dev/ttyUSB0",
                        .settingsFiles = {dir.File("prog/Program.ini"), dir.File("missing.ini")},
                        .backupFolder = dir.File("backups"),
                        .traceFolder = dir.File("traces"),
                        .codeplug = known.image};
    const std::vector<ReportPart> parts = GatherReport(inputs);
    ASSERT_TRUE(WriteReport(dir.File("r.tar.gz"), parts, std::time(nullptr)).ok());
    const auto files = UnpackReport(dir.File("r.tar.gz"));
    const std::string traceName = "traces/" + traces[0].substr(traces[0].rfind('/') + 1);
    std::vector<std::string> listed, unpacked;
    for (const ReportPart& p : parts) listed.push_back(p.name);
    for (const auto& [name, text] : files) unpacked.push_back(name);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, unpacked);
    EXPECT_EQ(listed,
              (std::vector<std::string>{"about.txt", "backups.txt", "codeplug.dat", "doctor.txt",
                                        "settings/1-Program.ini", traceName}));
    EXPECT_NE(files.at("about.txt").find("Contents:\n"), std::string::npos);
    EXPECT_NE(files.at("doctor.txt").find("/dev/ttyUSB0: cannot be used"), std::string::npos);
    EXPECT_EQ(files.at("settings/1-Program.ini"), "[Setup]\nCOM=/dev/ttyUSB0\n");
    EXPECT_NE(files.at("backups.txt").find("_write.dat"), std::string::npos);
    for (const auto& [name, text] : files) {
        for (const std::string& value : known.texts)
            EXPECT_EQ(text.find(value), std::string::npos) << name << ": " << value;
        for (const std::string& bytes : known.wire)
            EXPECT_EQ(text.find(bytes), std::string::npos) << name << ": " << bytes;
    }
    // What is not identity stays: the configuration's other bytes, the
    // trace's other frames (the nak that ended it among them).
    RadioImage carried;
    std::copy(files.at("codeplug.dat").begin(), files.at("codeplug.dat").end(), carried.Data());
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        if (!IsIdentityByte(a)) {
            ASSERT_EQ(carried.U8(a), known.image.U8(a)) << a;
        }
    }
    const std::string original = FileText(traces[0]);
    EXPECT_TRUE(BlankIdentity(original) == files.at(traceName));
    EXPECT_TRUE(original != files.at(traceName));
    const std::string& blanked = files.at(traceName);
    const std::size_t block = blanked.find("-> @0380  ");
    ASSERT_NE(block, std::string::npos);
    EXPECT_EQ(blanked.substr(block + 10, 47).substr(24),
              "xx xx xx xx xx xx xx " + original.substr(original.find("-> @0380  ") + 10 + 45, 2));
    EXPECT_NE(blanked.find("-> 57 30 00 20"), std::string::npos);  // the block refused
    EXPECT_NE(blanked.find("# result: failed"), std::string::npos);
    // Without the configuration, no codeplug.dat.
    inputs.codeplug.reset();
    for (const ReportPart& p : GatherReport(inputs)) EXPECT_NE(p.name, "codeplug.dat");
}

// Placeholders only where the configuration holds an identity: an empty
// field and a free contact stay empty.
TEST(ProblemReport, ReplacesOnlyTheIdentityThatIsThere) {
    RadioImage image = WithKnownIdentity(DemoImage()).image;
    image.FillFF(0x4B0, 7);                        // no kill code
    contact::Free(image, contact::SlotOffset(2));  // contact 2 free
    ReplaceIdentity(image);
    EXPECT_EQ(ReadDtmfSymbols(image, 0x388, 7), "1000001");
    EXPECT_EQ(image.Text(0x3F88, 8), "RADIO");
    EXPECT_EQ(image.U8(0x4B0), 0xFF);
    EXPECT_EQ(ReadDtmfSymbols(image, 0x4B8, 7), "9999991");
    EXPECT_EQ(contact::Number(image, contact::SlotOffset(1)), "0000001");
    EXPECT_EQ(contact::Name(image, contact::SlotOffset(1)), "Name 01");
    EXPECT_FALSE(contact::InUse(image, contact::SlotOffset(2)));
}

}  // namespace
}  // namespace dpmr::test

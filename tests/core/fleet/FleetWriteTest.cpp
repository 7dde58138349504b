// The fleet write: the identities planned before anything is sent (refused
// IDs, name patterns), then real parallel writes against virtual radios on
// pseudo-terminals: every radio's image, its calibration kept, one failing
// radio among good ones, identities kept with a repeated ID, the log. (A
// stop: DpmrtoolFleetTest and FleetWriteDlgTest.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "backup/BackupStore.h"
#include "core/link/LinkTestSupport.h"
#include "fleet/FleetJob.h"
#include "fleet/FleetWrite.h"
#include "image/ImageLayout.h"
#include "support/DemoCodeplug.h"
#include "support/TempDir.h"
#include "util/Checksum.h"
#include "util/Csv.h"

namespace dpmr::test {
namespace {

// ---- planning -------------------------------------------------------------

struct PlanCase {
    const char* what;
    int radios;
    FleetIdentityOptions options;
    std::vector<std::string> ids;    // expected, or empty when refused
    std::vector<std::string> names;  // expected ("-" for none given)
    const char* refusal;             // a part of the refusal
};

TEST(FleetPlan, IdsAndNamesOrTheRefusalBeforeAnythingIsSent) {
    using O = FleetIdentityOptions;
    // clang-format off
    const PlanCase cases[] = {
        {"ids and numbered names", 4, O{1000001, 1, "Unit {n}", false},
         {"1000001", "1000002", "1000003", "1000004"}, {"Unit 1", "Unit 2", "Unit 3", "Unit 4"}, nullptr},
        {"step and last digits", 3, O{123, 10, "R{id:4}", false},
         {"0000123", "0000133", "0000143"}, {"R0123", "R0133", "R0143"}, nullptr},
        {"braces", 1, O{8999999, 1, "{{{id:6}}}", false}, {"8999999"}, {"{999999}"}, nullptr},
        {"negative step", 2, O{5000002, -1, "", false}, {"5000002", "5000001"}, {"-", "-"}, nullptr},
        {"one radio keeps the document's id", 1, O{std::nullopt, 1, "Base", false}, {""}, {"Base"}, nullptr},
        {"the rule refuses a round million", 3, O{1999999, 1, "", false}, {}, {},
         "would get the ID 2000000, which the radio does not take"},
        {"above 9000000", 2, O{8999999, 2, "", false}, {}, {}, "radio 2 (p2) would get the ID 9000001"},
        {"a round million", 1, O{9000000, 1, "", false}, {}, {}, "ID 9000000, which"},
        {"past 7 digits", 2, O{8999999, 1000001, "", false}, {}, {}, "10000000, which has no 7-digit"},
        {"below 1", 2, O{1, -1, "", false}, {}, {}, "no 7-digit form"},
        {"a step of 0 repeats", 2, O{1234, 0, "", false}, {}, {}, "ID 0001234 on p1 and p2"},
        {"several radios, the document's id", 2, O{}, {}, {}, "would get the document's ID"},
        {"start and keep exclude each other", 2, O{7, 1, "", true}, {}, {}, "exclude"},
        {"unknown field", 1, O{7, 1, "{name}", false}, {}, {}, "{name} in the name pattern"},
        {"digits to keep", 1, O{7, 1, "{id:8}", false}, {}, {}, "1 to 7 digits"},
        {"open brace", 1, O{7, 1, "Unit {n", false}, {}, {}, "without '}'"},
        {"lone close brace", 1, O{7, 1, "Unit }", false}, {}, {}, "lone '}'"},
        {"not ASCII", 1, O{7, 1, "Ünit", false}, {}, {}, "cannot show"},
        {"keep: pattern checked now", 2, O{std::nullopt, 1, "{x}", true}, {}, {}, "{x}"},
    };
    // clang-format on
    RadioImage document = DemoImage();
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> ports;
        for (int i = 1; i <= c.radios; ++i) ports.push_back("p" + std::to_string(i));
        std::vector<FleetTarget> targets;
        std::vector<std::string> notes;
        const Status s = PlanFleet(ports, c.options, document, targets, notes);
        if (c.refusal) {
            ASSERT_FALSE(s.ok());
            EXPECT_NE(s.message().find(c.refusal), std::string::npos) << s.message();
            EXPECT_TRUE(targets.empty());
            continue;
        }
        ASSERT_TRUE(s.ok()) << s.message();
        ASSERT_EQ(targets.size(), c.ids.size());
        for (std::size_t i = 0; i < targets.size(); ++i) {
            EXPECT_EQ(targets[i].number, static_cast<int>(i) + 1);
            EXPECT_EQ(targets[i].port, ports[i]);
            EXPECT_EQ(targets[i].radioId, c.ids[i]);
            EXPECT_EQ(targets[i].name.value_or("-"), c.names[i]);
        }
        EXPECT_TRUE(notes.empty());
    }
}

TEST(FleetPlan, ANameLongerThanTheFieldIsCutAndSaidAndAPortTwiceIsRefused) {
    std::vector<FleetTarget> targets;
    std::vector<std::string> notes;
    ASSERT_TRUE(
        PlanFleet({"a", "b"}, {1000001, 1, "{id}Station", false}, DemoImage(), targets, notes)
            .ok());
    EXPECT_EQ(targets[1].name, "1000002S");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1],
              "radio 2: the name \"1000002Station\" is cut to the radio's 8 characters: "
              "\"1000002S\"");

    const Status twice = PlanFleet({"a", "b", "a"}, {1, 1, "", false}, DemoImage(), targets, notes);
    EXPECT_EQ(twice.message(), "the port a is given twice");
}

TEST(FleetPlan, IdentityBytesAreWrittenAsTheDpmrSettingsKeepThem) {
    RadioImage image = DemoImage();
    StoreRadioIdentity(image, "0012345", "Unit 7");
    const std::uint8_t id[] = {0, 0, 1, 2, 3, 4, 5};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(image.U8(0x388 + i), id[i]);
    EXPECT_EQ(image.Text(layout::kRadioName, 8), "Unit 7");
    EXPECT_EQ(image.U8(layout::kRadioName + 6), 0xFF);
    EXPECT_EQ(ImageRadioId(image), "0012345");
    // Only a name planned: the ID the image shows is written with it.
    image.FillFF(0x388, 7);  // erased: shown as the replacement
    EXPECT_EQ(ImageRadioId(image), "0000001");
    ApplyPlannedIdentity(image, {1, "p", "", "Base"});
    EXPECT_EQ(image.U8(0x388 + 6), 1);
    EXPECT_EQ(ImageRadioName(image), "Base");
}

// A retry's results replace those of the radios it ran (by port).
TEST(FleetPlan, RetryResultsReplaceByPort) {
    std::vector<FleetRadioResult> results(2);
    results[0].target.port = "a";
    results[1].target.port = "b";
    FleetRadioResult retried = results[1], added = results[1];
    retried.outcome = FleetStage::kDone;
    added.target.port = "c";
    MergeRetryResults(results, {retried, added});
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(FleetResultText(results[0]) + FleetResultText(results[1]), "waitingdone");
    EXPECT_EQ(results[2].target.port, "c");
}

// ---- writes against virtual radios -----------------------------------------

class FleetWrite : public ::testing::Test {
  protected:
    // `count` radios, radio k (from 0) holding PatternImage(40 + k).
    void StartRadios(std::size_t count, std::vector<VirtualRadioOptions> options = {}) {
        options.resize(count);
        for (std::size_t k = 0; k < count; ++k) {
            radios_.push_back(StartRadio(options[k]));
            radios_.back()->SetMemory(Before(k));
            ports_.push_back(radios_.back()->DevicePath());
        }
    }
    static RadioImage Before(std::size_t k) {
        return PatternImage(static_cast<std::uint8_t>(40 + k));
    }

    std::vector<FleetRadioResult> Run(const FleetIdentityOptions& identity, FleetRunOptions run,
                                      const FleetProgressCallback& progress = {}) {
        std::vector<FleetTarget> targets;
        std::vector<std::string> notes;
        const Status s = PlanFleet(ports_, identity, document_, targets, notes);
        EXPECT_TRUE(s.ok()) << s.message();
        run.identity = identity;
        run.backupFolder = dir_.File("backups");
        return RunFleet(document_, targets, run, progress, cancel_);
    }

    // The image radio k should hold: the document in the three ranges with
    // `id` and `name`, and its own squelch values; outside them, as before.
    RadioImage Expected(std::size_t k, const std::string& id, const std::string& name,
                        bool ownCalibration = true) const {
        RadioImage document = document_;
        StoreRadioIdentity(document, id, name);
        if (ownCalibration) CopySquelchCalibration(Before(k), document);
        RadioImage expected = Before(k);
        std::vector<TransferRange> sent = ProgramRanges();
        sent.push_back({0x2160, 0x2180});  // the closing block
        for (const TransferRange& r : sent)
            for (std::size_t a = r.start; a < r.end; ++a) expected.SetU8(a, document.U8(a));
        return expected;
    }

    TempDir dir_;
    RadioImage document_ = DemoImage();
    std::vector<std::unique_ptr<VirtualRadio>> radios_;
    std::vector<std::string> ports_;
    std::atomic<bool> cancel_{false};
};

TEST_F(FleetWrite, EveryRadioGetsTheDocumentWithItsOwnIdentityAndKeepsItsCalibration) {
    StartRadios(4);
    std::vector<int> lastPercent(4, -1);
    const auto results =
        Run({1000001, 1, "Unit {n}", false}, {.verify = true}, [&](const FleetProgress& p) {
            if (p.stage == FleetStage::kWriting) lastPercent[p.index] = p.percent;
        });
    ASSERT_EQ(results.size(), 4u);
    std::vector<BackupEntry> backups;
    ASSERT_TRUE(BackupStore(dir_.File("backups")).List(backups).ok());
    EXPECT_EQ(backups.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const std::string id = "100000" + std::to_string(k + 1);
        const std::string name = "Unit " + std::to_string(k + 1);
        EXPECT_EQ(FleetResultText(results[k]), std::string("done: ") + msg::kWriteVerified);
        EXPECT_EQ(results[k].radioId, id);
        EXPECT_EQ(results[k].name, name);
        EXPECT_FALSE(results[k].partlyWritten);
        EXPECT_EQ(lastPercent[k], 100);
        EXPECT_EQ(radios_[k]->Memory(), Expected(k, id, name));
        // The calibration the radio had, not the document's.
        EXPECT_NE(radios_[k]->Memory().U8(layout::kSquelchValues),
                  document_.U8(layout::kSquelchValues));
        // The backup holds what was sent.
        RadioImage sent;
        ASSERT_TRUE(LoadImageFile(results[k].backupFile, sent).ok());
        EXPECT_EQ(sent.Text(layout::kRadioName, 8), name);
        EXPECT_EQ(CountFrames(radios_[k]->Traffic(), kEndW), 1);
    }
}

TEST_F(FleetWrite, CopyCalibrationWritesTheDocumentsSquelchValuesAndReadsNoSquelch) {
    StartRadios(2);
    const auto results = Run({1000001, 1, "", false}, {.copyCalibration = true});
    for (std::size_t k = 0; k < 2; ++k) {
        ASSERT_TRUE(results[k].succeeded()) << results[k].message;
        EXPECT_EQ(radios_[k]->Memory(),
                  Expected(k, results[k].radioId, ImageRadioName(document_), false));
        EXPECT_FALSE(Requested(*radios_[k], layout::kSquelchThresholds));
    }
}

// One silent radio among good ones fails alone, with its reason, and the log
// has a line per radio.
TEST_F(FleetWrite, ASilentRadioFailsWithItsReasonAndTheOthersAreWritten) {
    StartRadios(4, {{}, {}, {.faults = {.silent = true}}, {}});
    const auto results = Run({1000001, 1, "Unit {n}", false}, {.verify = true});
    for (std::size_t k : {0u, 1u, 3u}) {
        EXPECT_TRUE(results[k].succeeded()) << results[k].message;
        EXPECT_EQ(radios_[k]->Memory().Text(layout::kRadioName, 8),
                  "Unit " + std::to_string(k + 1));
    }
    EXPECT_EQ(FleetResultText(results[2]),
              std::string("failed: its squelch calibration could not be read, so nothing was "
                          "sent: Communication error: ") +
                  msg::kNoAnswer);
    EXPECT_FALSE(results[2].partlyWritten);
    EXPECT_EQ(radios_[2]->Memory(), Before(2));

    // The job report: a row a radio, what tells it apart, the read-back.
    std::vector<CsvRecord> rows;
    const FleetJob job = MakeFleetJob(1700000000, "/shop/club.dat", document_, results);
    ASSERT_TRUE(ParseCsv(FleetJobCsv(job), rows).ok());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].fields, FleetJobColumns());
    const std::vector<std::string>& first = rows[1].fields;
    ASSERT_EQ(first.size(), 11u);
    EXPECT_EQ(first[0], LocalTimeText(1700000000));
    EXPECT_EQ(first[0].size(), 19u);  // 2023-11-14 22:13:20
    EXPECT_EQ(first[1], "/shop/club.dat");
    EXPECT_EQ(first[2], Crc32Hex(document_.Span(0, RadioImage::kSize)));
    EXPECT_EQ(
        std::vector(first.begin() + 3, first.end() - 1),
        (std::vector<std::string>{ports_[0],
                                  "squelch " + Crc32Hex(SquelchCalibrationBytes(Before(0))) +
                                      ", block " + Crc32Hex(results[0].identityBlock),
                                  "1000001", "Unit 1",
                                  "done: Written and verified, except the 24-byte closing block, "
                                  "which the radio does not send back",
                                  "verified", results[0].backupFile}));
    EXPECT_EQ(results[0].identityBlock.size(), 16u);
    EXPECT_NE(rows[2].fields[4], first[4]);  // another radio, another calibration
    EXPECT_EQ(rows[3].fields[5], "1000003");
    EXPECT_EQ(rows[3].fields[7], FleetResultText(results[2]));
    EXPECT_EQ(rows[3].fields[8], "not run");
    EXPECT_EQ(rows[3].fields[9], "");
}

// Every radio whose write did not end well has its backup marked as a
// failed write, as the single Write does, and the log points at the marked
// file: one that broke off, one that failed its verify, one stopped in its
// write; a good one keeps a plain write backup.
TEST_F(FleetWrite, BackupsOfRadiosThatBrokeOffFailedTheirVerifyOrWereStoppedAreMarkedFailed) {
    StartRadios(3, {{}, {.faults = {.nakWriteAt = 0x1000}}, {.faults = {.corruptByteAt = 0x0105}}});
    auto results = Run({1000001, 1, "", false}, {.verify = true});
    StartRadios(1, {{.paceBaud = 19200}});
    ports_.erase(ports_.begin(), ports_.begin() + 3);
    // The fourth radio is stopped once a tenth of its write is done.
    const auto stopped = Run({1000004, 1, "", false}, {}, [this](const FleetProgress& p) {
        if (p.stage == FleetStage::kWriting && p.percent >= 10) cancel_ = true;
    });
    results.insert(results.end(), stopped.begin(), stopped.end());
    ASSERT_EQ(results.size(), 4u);
    const FleetStage outcomes[] = {FleetStage::kDone, FleetStage::kFailed, FleetStage::kFailed,
                                   FleetStage::kCancelled};
    std::vector<CsvRecord> rows;
    ASSERT_TRUE(
        ParseCsv(FleetJobCsv(MakeFleetJob(1700000000, "club.dat", document_, results)), rows).ok());
    std::vector<BackupEntry> backups;
    ASSERT_TRUE(BackupStore(dir_.File("backups")).List(backups).ok());
    ASSERT_EQ(backups.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(results[k].outcome, outcomes[k]) << results[k].message;
        const std::string& file = results[k].backupFile;
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        EXPECT_EQ(file.find("_write-failed") != std::string::npos, k > 0) << file;
        EXPECT_EQ(rows[k + 1].fields[9], file);
        const auto entry = std::find_if(backups.begin(), backups.end(),
                                        [&](const BackupEntry& e) { return e.path == file; });
        ASSERT_NE(entry, backups.end());
        EXPECT_EQ(entry->kind, k == 0 ? BackupKind::kWrite : BackupKind::kFailedWrite);
    }
    EXPECT_TRUE(results[1].partlyWritten);
    EXPECT_TRUE(results[3].partlyWritten);
}

TEST_F(FleetWrite, KeptIdentitiesGoBackIntoEachRadio) {
    StartRadios(2);
    for (std::size_t k = 0; k < 2; ++k) {
        RadioImage memory = Before(k);
        StoreRadioIdentity(memory, "000777" + std::to_string(k), "Old " + std::to_string(k));
        radios_[k]->SetMemory(memory);
    }
    const auto results = Run({std::nullopt, 1, "", true}, {});
    for (std::size_t k = 0; k < 2; ++k) {
        ASSERT_TRUE(results[k].succeeded()) << results[k].message;
        EXPECT_EQ(results[k].radioId + results[k].name,
                  "000777" + std::to_string(k) + "Old " + std::to_string(k));
        RadioImage expected = Expected(k, results[k].radioId, "Old " + std::to_string(k));
        EXPECT_EQ(radios_[k]->Memory(), expected);
    }
    // A read backup and a write backup per radio.
    std::vector<BackupEntry> backups;
    ASSERT_TRUE(BackupStore(dir_.File("backups")).List(backups).ok());
    EXPECT_EQ(backups.size(), 4u);

    // A name pattern still names each radio, from its own ID, and the report
    // gives the name it got.
    const auto named = Run({std::nullopt, 1, "U{id:3}", true}, {});
    for (std::size_t k = 0; k < 2; ++k) {
        ASSERT_TRUE(named[k].succeeded()) << named[k].message;
        EXPECT_EQ(named[k].name, "U77" + std::to_string(k));
        EXPECT_EQ(ImageRadioName(radios_[k]->Memory()), named[k].name);
    }
}

TEST_F(FleetWrite, TwoRadiosWithTheSameIdAreReportedAndNoneIsWritten) {
    StartRadios(3);
    for (std::size_t k = 0; k < 3; ++k) {
        RadioImage memory = Before(k);
        StoreRadioIdentity(memory, k == 1 ? "0000042" : "0000077", "R");
        radios_[k]->SetMemory(memory);
    }
    const auto results = Run({std::nullopt, 1, "", true}, {});
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(results[k].outcome, FleetStage::kNotWritten);
        EXPECT_EQ(results[k].message,
                  "two radios hold the same ID, so none was written: ID 0000077 on " + ports_[0] +
                      " and " + ports_[2]);
        EXPECT_EQ(CountFrames(radios_[k]->Traffic(), kEndW), 0);
    }
}

}  // namespace
}  // namespace dpmr::test

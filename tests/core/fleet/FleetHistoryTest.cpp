// The radios the backups know, told apart by their squelch calibration: an
// ID about to go to one radio that the newest backup of another shows is a
// warning (and, asked, stops the run before any write), while the same
// radio again, a radio since given another ID, and calibrations that tell
// nothing are not.
#include <gtest/gtest.h>

#include "backup/BackupStore.h"
#include "core/link/LinkTestSupport.h"
#include "fleet/FleetHistory.h"
#include "fleet/FleetWrite.h"
#include "image/ImageLayout.h"
#include "support/DemoCodeplug.h"
#include "support/TempDir.h"
#include "util/Checksum.h"

namespace dpmr::test {
namespace {

// A radio's image: its own calibration (from `salt`), an ID and a name.
RadioImage RadioWith(std::uint8_t salt, const std::string& id, const std::string& name) {
    RadioImage image = DemoImage();
    CopySquelchCalibration(PatternImage(salt), image);
    StoreRadioIdentity(image, id, name);
    return image;
}

TEST(FleetHistory, AnIdTheNewestBackupOfAnotherRadioShowsIsAWarning) {
    TempDir dir;
    const BackupStore store(dir.File("backups"));
    const std::time_t day = 1765180800;  // backups an hour apart
    ASSERT_TRUE(store.Save(RadioWith(1, "2310501", "Delta"), BackupKind::kWrite, day).ok());
    ASSERT_TRUE(store.Save(RadioWith(2, "2310777", "Echo"), BackupKind::kWrite, day + 3600).ok());
    // Radio 2 later got another ID: 2310777 is no longer on it.
    ASSERT_TRUE(store.Save(RadioWith(2, "2310800", "Echo2"), BackupKind::kRead, day + 7200).ok());
    // A failed write and a copied (the template's) calibration say nothing.
    ASSERT_TRUE(store.Save(RadioWith(3, "2310903", "F"), BackupKind::kFailedWrite, day).ok());
    RadioImage document = DemoImage();  // the template, with a calibration of its own
    CopySquelchCalibration(PatternImage(5), document);
    RadioImage copied = document;
    StoreRadioIdentity(copied, "2310438", "C");
    ASSERT_TRUE(store.Save(copied, BackupKind::kWrite, day).ok());
    RadioImage erased = DemoImage();
    erased.FillFF(layout::kSquelchValues, layout::kSquelchValuesSize);
    erased.FillFF(layout::kSquelchThresholds, layout::kSquelchThresholdsSize);
    StoreRadioIdentity(erased, "2310999", "E");
    ASSERT_TRUE(store.Save(erased, BackupKind::kWrite, day).ok());

    std::vector<WrittenRadio> history;
    ASSERT_TRUE(LoadWrittenRadios(dir.File("backups"), history).ok());
    ASSERT_EQ(history.size(), 5u);  // newest first, the failed write passed over
    EXPECT_EQ(history[0].radioId, "2310800");
    EXPECT_EQ(history[0].calibration, SquelchCalibrationBytes(PatternImage(2)));

    const auto own = [](std::uint8_t salt) { return SquelchCalibrationBytes(PatternImage(salt)); };
    struct Case {
        const char* what;
        std::string id;
        std::vector<std::uint8_t> calibration;
        bool warned;
    };
    const Case cases[] = {
        {"another radio holds it", "2310501", own(9), true},
        {"the same radio again", "2310501", own(1), false},
        {"the other radio has since another ID", "2310777", own(9), false},
        {"its newest ID", "2310800", own(9), true},
        {"only a failed write showed it", "2310903", own(9), false},
        {"only a copied calibration showed it", "2310438", own(9), false},
        {"only an erased calibration showed it", "2310999", own(9), false},
        {"this radio's calibration is not known", "2310501", {}, false},
        {"this radio's calibration is the template's", "2310501", SquelchCalibrationBytes(document),
         false},
        {"an ID no backup shows", "2310417", own(9), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string warning =
            IdOnAnotherRadio({4, "/dev/pts/7", c.id, "x"}, c.calibration, history, document);
        EXPECT_EQ(!warning.empty(), c.warned) << warning;
    }
    char when[32];
    std::tm local{};
    const std::time_t at = day;
    localtime_r(&at, &local);
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
    EXPECT_EQ(IdOnAnotherRadio({4, "/dev/pts/7", "2310501", "x"}, own(9), history, document),
              std::string("radio 4 (/dev/pts/7) is to get the ID 2310501, which the backups show "
                          "on another radio: \"Delta\" (backup of ") +
                  when + ")");
}

// In a run: the calibration is read from every radio first; a warning
// answered No writes none, one answered Yes (or with nobody to ask) is kept
// in that radio's notes.
TEST(FleetHistory, AWarningIsAskedOnceBeforeAnyRadioIsWritten) {
    std::vector<std::unique_ptr<VirtualRadio>> radios;
    std::vector<std::string> ports;
    for (std::uint8_t k = 0; k < 2; ++k) {
        radios.push_back(StartRadio());
        radios.back()->SetMemory(PatternImage(static_cast<std::uint8_t>(40 + k)));
        ports.push_back(radios.back()->DevicePath());
    }
    const RadioImage document = DemoImage();
    std::vector<FleetTarget> targets;
    std::vector<std::string> notes;
    ASSERT_TRUE(PlanFleet(ports, {2310501, 1, "", false}, document, targets, notes).ok());
    FleetRunOptions run;
    // Another radio (calibration 7) got radio 2's ID before.
    run.history = {{"2026-12-01 09:00:00", "2310502", "Delta",
                    SquelchCalibrationBytes(PatternImage(7)), "/b/1.dat"}};
    std::vector<std::string> asked;
    run.confirm = [&asked](const std::vector<std::string>& warnings) {
        asked = warnings;
        return false;
    };
    const std::atomic<bool> cancel{false};
    auto results = RunFleet(document, targets, run, {}, cancel);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "radio 2 (" + ports[1] +
                            ") is to get the ID 2310502, which the backups show on another "
                            "radio: \"Delta\" (backup of 2026-12-01 09:00:00)");
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_EQ(results[k].outcome, FleetStage::kNotWritten);
        EXPECT_EQ(results[k].message, "not written, after the warning: " + asked[0]);
        EXPECT_EQ(results[k].calibration,
                  SquelchCalibrationBytes(PatternImage(static_cast<std::uint8_t>(40 + k))));
        EXPECT_EQ(CountFrames(radios[k]->Traffic(), kEndW), 0);
    }

    run.confirm = {};
    results = RunFleet(document, targets, run, {}, cancel);
    EXPECT_TRUE(results[0].succeeded() && results[1].succeeded());
    const auto noted = [&](std::size_t k) {
        return std::count(results[k].notes.begin(), results[k].notes.end(), asked[0]);
    };
    EXPECT_EQ(noted(0), 0);
    EXPECT_EQ(noted(1), 1);
}

// One cable: the radio just written, left on the cable, is told by its
// calibration; another radio, or one only a backup shows, is not.
TEST(FleetHistory, TheRadioJustWrittenLeftOnTheCableIsAskedAbout) {
    const auto own = [](std::uint8_t salt) { return SquelchCalibrationBytes(PatternImage(salt)); };
    const RadioImage document = DemoImage();
    const FleetTarget first{1, "/dev/ttyUSB0", "2310417", "Alfa"};
    const FleetTarget second{2, "/dev/ttyUSB0", "2310422", "Bravo"};
    std::vector<WrittenRadio> history = {
        {"2026-12-01 09:00:00", "2310001", "Old", own(3), "/b/1.dat"}};
    history.insert(history.begin(), JustWritten(first, "2310417", "Alfa", own(1)));
    EXPECT_EQ(SameRadioAgain(second, own(1), history, document),
              "radio 2 (/dev/ttyUSB0) looks like the radio just written as radio 1 (\"Alfa\", "
              "2310417): is the next radio on the cable?");
    EXPECT_EQ(SameRadioAgain(second, own(2), history, document), "");
    EXPECT_EQ(SameRadioAgain(second, own(3), history, document), "");  // a backup, not this job
    history[0].calibration = SquelchCalibrationBytes(document);
    EXPECT_EQ(SameRadioAgain(second, SquelchCalibrationBytes(document), history, document), "");
}

TEST(FleetHistory, Crc32IsTheCommonOne) {
    const std::string text = "123456789";
    EXPECT_EQ(Crc32Hex({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}),
              "cbf43926");
    EXPECT_EQ(Crc32Hex({}), "00000000");
    const std::uint8_t bytes[] = {0x0a, 0xff, 0x00};
    EXPECT_EQ(HexBytes(bytes), "0aff00");
}

}  // namespace
}  // namespace dpmr::test

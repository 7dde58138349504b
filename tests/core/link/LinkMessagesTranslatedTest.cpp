// Messages of the port, fleet and backup code in a translation that puts the
// values in another order: each value lands in its own place, and a failed
// open is still known as one when its first line is translated.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "backup/BackupStore.h"
#include "check/WriteCheck.h"
#include "fleet/FleetPlan.h"
#include "image/RadioImage.h"
#include "link/ConnectionDoctor.h"
#include "link/ProgramTransfer.h"
#include "link/TransferResult.h"
#include "util/Translation.h"

namespace dpmr {
namespace {

// The translations the fake translator knows; any other text stays English.
const std::map<std::string, std::string>& Reordered() {
    static const std::map<std::string, std::string> kTexts = {
        {"radio %1 (%2) would get the ID %3, which has no 7-digit form", "[%3|%2|%1]"},
        {"The backup \"%1\" could not be marked as a failed write: %2", "<%2 ~ %1>"},
        {"it is no write backup.", "no-write"},
        {"%1 does not exist: the cable is not plugged in, or its port has another name now",
         "missing(%1)"},
        {"Problem: %1", "%1 !!"},
        {"%1: cannot be used", "unusable: %1"},
        {"Cound not open the port.", "Port zu"},
        {"error: %1", "%1 (E)"},
    };
    return kTexts;
}

std::string Translate(const char* context, const char* source) {
    if (std::strcmp(context, "link") != 0 && std::strcmp(context, "fleet") != 0 &&
        std::strcmp(context, "backup") != 0 && std::strcmp(context, "check") != 0)
        return source;
    const auto it = Reordered().find(source);
    return it == Reordered().end() ? std::string(source) : it->second;
}

// Installs the fake translator for one test and removes it again.
class TranslatedMessages : public ::testing::Test {
  protected:
    void SetUp() override { InstallTranslator(&Translate); }
    void TearDown() override { InstallTranslator(nullptr); }
};

TEST_F(TranslatedMessages, EachValueLandsInItsPlace) {
    std::vector<FleetTarget> targets;
    std::vector<std::string> notes;
    const Status plan = PlanFleet({"/dev/ttyUSB0", "/dev/ttyUSB1"}, {1234567, 9000000, "", false},
                                  RadioImage{}, targets, notes);
    const Status marked = BackupStore("/tmp").MarkFailed("/tmp/notes.txt", nullptr);

    PortFacts gone;
    gone.path = gone.device = "/dev/ttyUSB7";
    const std::string doctor = DiagnosisText(DiagnosePort(gone, SystemFacts{}));

    struct Case {
        const char* what;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"three values backwards", plan.message(), "[10234567|/dev/ttyUSB1|2]"},
        {"a translated reason in a translated sentence", marked.message(),
         "<no-write ~ /tmp/notes.txt>"},
        {"the doctor's finding inside its level and under its port",
         doctor.substr(0, doctor.find('\n', doctor.find('\n') + 1)),
         "unusable: /dev/ttyUSB7\n  missing(/dev/ttyUSB7) !!"},
        {"a check finding's severity after it",
         ProblemLine({Severity::kError, "Channel 3: no member"}), "Channel 3: no member (E)"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, c.expected) << c.what;
}

TEST_F(TranslatedMessages, AFailedOpenIsKnownByItsTranslatedFirstLine) {
    RadioImage image;
    TransferControl control;
    const TransferResult result = ReadFromRadio(
        {"/nonexistent/ttyUSB9"}, image, [](int, int) {}, control);
    ASSERT_TRUE(result.failed());
    EXPECT_EQ(result.message.substr(0, result.message.find('\n')), "Port zu");
    EXPECT_TRUE(PortCouldNotOpen(result));
}

}  // namespace
}  // namespace dpmr

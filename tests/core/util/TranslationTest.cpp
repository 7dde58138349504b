// The hook that puts core messages into the user's language, and the filling
// of their %N places (the translation may move the values around).
#include <gtest/gtest.h>

#include <cstring>

#include "util/Translation.h"

namespace {

std::string ToGerman(const char* context, const char* source) {
    if (std::strcmp(context, "link") == 0 && std::strcmp(source, "Cannot open %1: %2") == 0)
        return "%1 lässt sich nicht öffnen (%2)";
    return std::string("?") + source;
}

TEST(Translation, AnInstalledTranslatorIsAskedAndRemovedAgain) {
    EXPECT_EQ(dpmr::Tr("link", "Cannot open %1: %2"), "Cannot open %1: %2");
    dpmr::InstallTranslator(&ToGerman);
    EXPECT_EQ(dpmr::Fill(dpmr::Tr("link", "Cannot open %1: %2"), {"/dev/ttyUSB0", "busy"}),
              "/dev/ttyUSB0 lässt sich nicht öffnen (busy)");
    EXPECT_EQ(dpmr::Tr("fleet", "Done"), "?Done");
    dpmr::InstallTranslator(nullptr);
    EXPECT_EQ(dpmr::Tr("fleet", "Done"), "Done");
}

TEST(Translation, FillReplacesEachPlaceOnceAndKeepsTheRest) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> args;
        const char* filled;
    };
    const Case cases[] = {
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %1", {"x"}, "x and x"},
        {"value %1", {"%2"}, "value %2"},  // an argument's own %N stays
        {"%3 has no value", {"a"}, "%3 has no value"},
        {"100% sure, %", {}, "100% sure, %"},
        {"%10", {"a"}, "a0"},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "9"},
        {"", {"a"}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(dpmr::Fill(c.pattern, c.args), c.filled) << c.pattern;
}

}  // namespace

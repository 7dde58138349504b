// The user guide's settings reference: every field once, grouped by dialog
// and page, runs of alike fields as one entry, its texts escaped; and the
// chapter shipped is the one the declarations make.
#include "dialogs/SettingsReference.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "ProjectPaths.h"
#include "dialogs/DialogRegistry.h"

namespace dpmr {
namespace {

TEST(SettingsReference, HoldsEveryFieldOnceGroupedByDialogAndPage) {
    const std::vector<ReferenceSection> sections = SettingsReference();
    std::set<std::string> keys;
    std::set<std::pair<std::string, std::string>> pages;
    for (const ReferenceSection& s : sections) {
        EXPECT_TRUE(pages.insert({s.dialog, s.page}).second) << s.dialog << " > " << s.page;
        for (const ReferenceEntry& e : s.entries) {
            EXPECT_FALSE(e.help.empty()) << s.dialog << " > " << e.title;
            EXPECT_NE(e.help, e.label) << s.dialog << " > " << e.title;
            if (!e.keys.empty()) keys.insert(e.keys.substr(0, e.keys.find(' ')));
        }
    }
    // Every field of the settings dialogs has its entry (the channel pages
    // as one record, runs of alike fields as one entry from their first).
    for (const form::FieldRef& ref : form::AllFields()) {
        std::string key = ref.Key();
        if (key.rfind("channel", 0) == 0) key = "channelN" + key.substr(key.find('.'));
        if (key.rfind("dtmfcontact.code", 0) == 0) key = "dtmfcontact.code1";
        if (key.rfind("sql.row", 0) == 0) key = "sql.row1";
        EXPECT_TRUE(keys.count(key)) << key;
    }
    // The pages without a field table and the table's columns are there too.
    EXPECT_TRUE(pages.count({"dPMR param", "Contact"}));
    EXPECT_TRUE(pages.count({"dPMR param", "Group rx list"}));
    EXPECT_TRUE(pages.count({"Channel table", ""}));
    EXPECT_TRUE(pages.count({"Basic setting", "Side Key"}));
}

TEST(SettingsReference, RunsOfAlikeFieldsAreOneEntry) {
    for (const ReferenceSection& s : SettingsReference()) {
        if (s.page == "Contact" && s.dialog == "DTMF") {
            ASSERT_EQ(s.entries.size(), 1u);
            EXPECT_EQ(s.entries[0].title, "Code 1 to 16");
            EXPECT_EQ(s.entries[0].keys, "dtmfcontact.code1 to dtmfcontact.code16");
        }
        if (s.dialog == "Sql") {
            ASSERT_EQ(s.entries.size(), 5u);  // four thresholds and the rows
            EXPECT_EQ(s.entries[4].keys.rfind("sql.row1 to sql.row", 0), 0u);
            EXPECT_EQ(s.entries[4].title.rfind("Sql, rows 1 to ", 0), 0u);
        }
        // The side keys' lists share a label but not their help: one entry each.
        if (s.page == "Side Key") {
            EXPECT_EQ(s.entries.size(), 7u);
        }
    }
}

TEST(SettingsReference, HtmlEscapesTheTextsAndMarksHiddenAndFactorySettings) {
    const std::string html = SettingsReferenceHtml();
    EXPECT_EQ(html.rfind("<h2 id=\"settings-reference\">Settings reference</h2>\n", 0), 0u);
    EXPECT_NE(html.find("<h3>可调节参数 <i>(factory)</i></h3>"), std::string::npos);
    EXPECT_NE(html.find("<dt><b>Wireless copy</b> <code>option.wireless_copy</code> <i>not "
                        "shown</i></dt>"),
              std::string::npos);
    // "Add >>" in the group list's help.
    EXPECT_NE(html.find("Add &gt;&gt;"), std::string::npos);
    EXPECT_EQ(html.find("Add >>"), std::string::npos);
    EXPECT_NE(html.find("<dt><b>SK1: Short press</b>"), std::string::npos);
}

TEST(SettingsReference, ShippedChapterIsTheOneTheDeclarationsMake) {
    const std::string path = SourceDir() + "/res/guide/settings-reference.html";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::ostringstream shipped;
    shipped << in.rdbuf();
    EXPECT_EQ(shipped.str(), SettingsReferenceHtml())
        << "regenerate it: dpmrtool fields --reference > res/guide/settings-reference.html";
}

}  // namespace
}  // namespace dpmr

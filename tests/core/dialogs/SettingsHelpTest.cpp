// Every setting says what it does: each declared field of every dialog, each
// column of the channel table and of the contact grid, and the group receive
// list page have a help text of their own that is more than their label; the
// bytes two dialogs share name the other dialog's setting.
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>

#include "channels/ChannelColumns.h"
#include "dialogs/DialogRegistry.h"
#include "dialogs/SharedByteDialogs.h"
#include "dpmr/ContactPagePresenter.h"
#include "dpmr/GroupRxListPresenter.h"

namespace dpmr {
namespace {

// The words of a text, lower case, without punctuation.
std::string Words(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || u >= 0x80)
            out += static_cast<char>(std::tolower(u));
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// A help that says more than its label: not empty, not the label again (in
// other case or punctuation), and at least a few words.
void ExpectHelps(const std::string& what, const std::string& label, const std::string& help) {
    EXPECT_FALSE(help.empty()) << what;
    EXPECT_NE(Words(help), Words(label)) << what;
    std::istringstream words(Words(help));
    int count = 0;
    for (std::string w; words >> w;) ++count;
    EXPECT_GE(count, 4) << what << ": " << help;
    EXPECT_EQ(help.find('\n'), std::string::npos) << what;  // wrapped where shown
}

TEST(SettingsHelp, EveryDeclaredFieldSaysWhatItDoes) {
    std::size_t fields = 0;
    for (const form::DialogDecl* dialog : form::AllDialogs())
        for (const form::PageEntry& page : dialog->pages) {
            if (!page.table) continue;
            // Every control of the table, the ones that only show a value too.
            for (const form::FieldDecl& f : page.table->fields) {
                ExpectHelps(dialog->caption + " > " + page.table->key + "." + f.key, f.label,
                            f.help);
                ++fields;
            }
        }
    EXPECT_GT(fields, 600u);  // the 16 channels' records and every settings page
}

TEST(SettingsHelp, EveryDialogSaysWhatItIsFor) {
    for (const form::DialogDecl* dialog : form::AllDialogs())
        ExpectHelps(dialog->caption, dialog->caption, dialog->help);
    // The factory dialog's caption stays Chinese; its help says it in English.
    EXPECT_EQ(form::AllDialogs().back()->help.rfind("Adjustable parameters: ", 0), 0u);
}

TEST(SettingsHelp, GridsAndTheGroupListPageSayWhatTheyHold) {
    const auto& columns = ChannelColumns();
    for (int c = 0; c + 1 < kChannelColumnCount; ++c)
        ExpectHelps(std::string("channel column ") + columns[static_cast<std::size_t>(c)].title,
                    columns[static_cast<std::size_t>(c)].title, ChannelColumnHelp(c));
    // A column with a field says what its field says, in the table and the dialog alike.
    EXPECT_EQ(ChannelColumnHelp(1),
              ChannelRecordDecl().fields[FieldIndex(EditControl::kRxFreq)].help);
    EXPECT_EQ(ChannelColumnHelp(kChannelColumnCount - 1), "");  // the empty last column

    for (int c = 0; c < ContactPagePresenter::kCols; ++c)
        ExpectHelps(std::string("contact column ") +
                        ContactPagePresenter::ColumnTitles()[static_cast<std::size_t>(c)],
                    ContactPagePresenter::ColumnTitles()[static_cast<std::size_t>(c)],
                    ContactPagePresenter::ColumnHelp()[static_cast<std::size_t>(c)]);
    const auto& lists = GroupRxListPresenter::Help();
    ExpectHelps("group list tree", "Group rx list", lists.lists);
    ExpectHelps("allocated", "Allocated:", lists.allocated);
    ExpectHelps("unallocated", "Unallocated:", lists.unallocated);
}

// Each side of a shared byte keeps its own help and names the other's setting.
TEST(SettingsHelp, SharedBytesNameTheOtherDialogsSetting) {
    const auto help = [](const form::PageDecl& page, const std::string& key) {
        for (const form::FieldDecl& f : page.fields)
            if (f.key == key) return f.help;
        return std::string();
    };
    const form::PageDecl& alarm = AlarmPageDecl();
    const form::PageDecl& dpmrPage = DpmrBasicPageDecl();
    const std::string autoContact = help(alarm, "auto_contact");
    EXPECT_EQ(autoContact.rfind("Automatic contact", 0), 0u) << autoContact;
    EXPECT_NE(autoContact.find("dPMR param > Basic uses the same byte (0x378) for OACSU and "
                               "Data type"),
              std::string::npos)
        << autoContact;
    EXPECT_NE(help(alarm, "tx_interval").find("ACK reply delay"), std::string::npos);
    EXPECT_NE(help(alarm, "query_interval").find("ACK reply wait"), std::string::npos);
    const std::string oacsu = help(dpmrPage, "oacsu");
    EXPECT_EQ(oacsu.rfind("Off Air Call Set-Up", 0), 0u) << oacsu;
    EXPECT_NE(oacsu.find("The Alarm dialog uses the same byte (0x378) for \"Auto contact\""),
              std::string::npos)
        << oacsu;
    EXPECT_NE(help(dpmrPage, "ack_reply_delay").find("\"Tx interval (s)\""), std::string::npos);
    EXPECT_NE(help(dpmrPage, "ack_reply_wait").find("\"Query interval (min)\""), std::string::npos);
    // A field of no shared byte names no other dialog.
    EXPECT_EQ(help(dpmrPage, "tx_delay").find("same byte"), std::string::npos);
}

}  // namespace
}  // namespace dpmr

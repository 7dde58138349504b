// SettingsReference: the "Settings reference" chapter of the user guide, made
// from the declarations: every field of every dialog with its help, grouped
// by dialog and page, the channel table's columns, the contact grid's columns
// and the group receive list page. `dpmrtool fields --reference` prints it;
// the shipped chapter (res/guide/settings-reference.html) is its output.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace dpmr {

// One entry: a control (or a run of alike controls, such as the 16 DTMF
// codes) and what it does.
struct ReferenceEntry {
    std::string title;  // the label, after its group ("SK1: Short press")
    std::string label;  // the label alone
    std::string keys;   // the full keys dpmrtool and the codeplug file use ("" for none)
    std::string help;
    bool hidden = false;  // no control on the page: kept as stored
};

// A page of a dialog (or the channel table) and its entries in page order.
struct ReferenceSection {
    std::string dialog;  // "Basic setting"
    std::string help;    // what the dialog is for
    std::string page;    // "Option"; "" for a dialog without tabs
    bool service = false;
    std::vector<ReferenceEntry> entries;
};

// What the reference does with each text of a declaration (a label, a help, a
// caption): the desktop program's guide shows them in the user's language;
// none (dpmrtool, the shipped chapter) keeps the English.
using ReferenceText = std::function<std::string(const std::string&)>;

std::vector<ReferenceSection> SettingsReference(const ReferenceText& text = nullptr);

// The chapter as an HTML fragment (an <h2> and what follows it).
std::string SettingsReferenceHtml(const ReferenceText& text = nullptr);

}  // namespace dpmr

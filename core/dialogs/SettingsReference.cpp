// The settings reference, from the dialogs' declarations.
#include "dialogs/SettingsReference.h"

#include <memory>

#include "channels/ChannelColumns.h"
#include "channels/ChannelEditDialog.h"
#include "dialogs/DialogRegistry.h"
#include "dpmr/ContactPagePresenter.h"
#include "dpmr/GroupRxListPresenter.h"
#include "form/FormDialog.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using form::FieldDecl;

// Each declaration text through the caller's `text`, when it gave one.
class Texts {
  public:
    explicit Texts(const ReferenceText& text) : text_(text) {}
    std::string operator()(const std::string& s) const {
        return text_ && !s.empty() ? text_(s) : s;
    }

  private:
    const ReferenceText& text_;
};

std::string TitleOf(const FieldDecl& f, const Texts& t) {
    return f.group.empty() ? t(f.label) : t(f.group) + ": " + t(f.label);
}

// A field table's entries; a run of fields with one label and one help (the
// 16 DTMF codes, the squelch rows) is one entry. `keyPrefix` goes before each
// field's key ("option.").
std::vector<ReferenceEntry> TableEntries(const form::PageDecl& page, const std::string& keyPrefix,
                                         const Texts& t) {
    std::vector<ReferenceEntry> entries;
    for (std::size_t i = 0; i < page.fields.size();) {
        const FieldDecl& first = page.fields[i];
        std::size_t end = i + 1;
        while (end < page.fields.size() && page.fields[end].label == first.label &&
               page.fields[end].help == first.help)
            ++end;
        // A control that only shows a value has no key to get or set.
        ReferenceEntry e{TitleOf(first, t), t(first.label),
                         first.at.size == 0 ? "" : keyPrefix + first.key, t(first.help),
                         first.hidden};
        if (end - i > 1) {
            const FieldDecl& last = page.fields[end - 1];
            e.title = first.group.empty() || last.group.empty()
                          ? Fill(Tr("reference", "%1, rows 1 to %2"),
                                 {t(first.label), std::to_string(end - i)})
                          : Fill(Tr("reference", "%1 %2 to %3"),
                                 {t(first.label), t(first.group), t(last.group)});
            if (!e.keys.empty()) e.keys += " to " + keyPrefix + last.key;
        }
        entries.push_back(std::move(e));
        i = end;
    }
    return entries;
}

ReferenceSection ChannelTableSection(const Texts& t) {
    ReferenceSection s{t(DPMR_TR_NOOP("Field", "Channel table")),
                       t(DPMR_TR_NOOP("Field",
                                      "The main window's table: each row one channel's main "
                                      "settings, edited in place; the Channel edit dialog has "
                                      "them all.")),
                       "",
                       false,
                       {}};
    const auto& columns = ChannelColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::string help = ChannelColumnHelp(static_cast<int>(c));
        if (help.empty()) continue;
        const std::string title = t(*columns[c].title ? columns[c].title : "No.");
        std::string key;
        if (columns[c].field)
            key = "channelN." + ChannelRecordDecl().fields[FieldIndex(*columns[c].field)].key;
        s.entries.push_back({title, title, key, t(help), false});
    }
    return s;
}

ReferenceSection ContactSection(const form::DialogDecl& dialog, const std::string& caption,
                                const Texts& t) {
    ReferenceSection s{t(dialog.caption), t(dialog.help), caption, dialog.service, {}};
    for (int c = 0; c < ContactPagePresenter::kCols; ++c) {
        const std::string title =
            t(ContactPagePresenter::ColumnTitles()[static_cast<std::size_t>(c)]);
        s.entries.push_back({title, title, "",
                             t(ContactPagePresenter::ColumnHelp()[static_cast<std::size_t>(c)]),
                             false});
    }
    return s;
}

ReferenceSection GroupListSection(const form::DialogDecl& dialog, const std::string& caption,
                                  const Texts& t) {
    ReferenceSection s{t(dialog.caption), t(dialog.help), caption, dialog.service, {}};
    const auto& help = GroupRxListPresenter::Help();
    const std::string lists = Fill(
        Tr("reference", "%1 to %2"),
        {GroupRxListPresenter::ListTitle(1), std::to_string(GroupRxListPresenter::kListCount)});
    s.entries.push_back({lists, lists, "", t(help.lists), false});
    const std::string unallocated = t("Unallocated:");
    const std::string allocated = t("Allocated:");
    s.entries.push_back({unallocated, unallocated, "", t(help.unallocated), false});
    s.entries.push_back({allocated, allocated, "", t(help.allocated), false});
    return s;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

}  // namespace

std::vector<ReferenceSection> SettingsReference(const ReferenceText& text) {
    const Texts t(text);
    std::vector<ReferenceSection> sections;
    sections.push_back(ChannelTableSection(t));
    for (const form::DialogDecl* dialog : form::AllDialogs()) {
        if (dialog == &ChannelEditDialogDecl()) {
            // Sixteen pages of one record: the record once.
            sections.push_back({t(dialog->caption), t(dialog->help), "", false,
                                TableEntries(ChannelRecordDecl(), "channelN.", t)});
            continue;
        }
        RadioImage image;
        form::FormDialog shown(*dialog, image);
        for (int p = 0; p < shown.PageCount(); ++p) {
            form::FormPage& page = shown.Page(p);
            const std::string caption = dialog->tabbed ? t(page.Caption()) : "";
            if (const form::PageDecl* table = dialog->pages[static_cast<std::size_t>(p)].table) {
                sections.push_back({t(dialog->caption), t(dialog->help), caption, dialog->service,
                                    TableEntries(*table, table->key + ".", t)});
            } else if (dynamic_cast<ContactPagePresenter*>(&page)) {
                sections.push_back(ContactSection(*dialog, caption, t));
            } else if (dynamic_cast<GroupRxListPresenter*>(&page)) {
                sections.push_back(GroupListSection(*dialog, caption, t));
            }
        }
    }
    return sections;
}

std::string SettingsReferenceHtml(const ReferenceText& text) {
    const std::string notShown = Tr("reference", "not shown");
    const std::string factory = Tr("reference", "(factory)");
    std::string html =
        "<h2 id=\"settings-reference\">" + Tr("reference", "Settings reference") + "</h2>\n" +
        Tr("reference",
           "<p>Every setting of the window and the dialogs, with what it does on the radio,\n"
           "grouped by dialog and page. The names in <code>code</code> are the keys that\n"
           "<code>dpmrtool get</code> and <code>dpmrtool set</code> and the YAML codeplug use\n"
           "(<code>channelN</code> stands for <code>channel1</code> to <code>channel16</code>).\n"
           "A setting marked <i>not shown</i> has no control in its dialog: the program keeps\n"
           "it as the radio stored it. <i>(factory)</i> marks the dialogs of the radio's\n"
           "factory adjustment and calibration.</p>\n");
    std::string dialog;
    for (const ReferenceSection& s : SettingsReference(text)) {
        if (s.dialog != dialog) {
            if (!dialog.empty()) html += "</dl>\n";
            dialog = s.dialog;
            html += "<h3>" + Escaped(s.dialog) +
                    (s.service ? " <i>" + Escaped(factory) + "</i>" : "") + "</h3>\n";
            if (!s.help.empty()) html += "<p>" + Escaped(s.help) + "</p>\n";
        } else {
            html += "</dl>\n";
        }
        if (!s.page.empty()) html += "<h4>" + Escaped(s.page) + "</h4>\n";
        html += "<dl>\n";
        for (const ReferenceEntry& e : s.entries) {
            html += "<dt><b>" + Escaped(e.title) + "</b>";
            if (!e.keys.empty()) html += " <code>" + Escaped(e.keys) + "</code>";
            if (e.hidden) html += " <i>" + Escaped(notShown) + "</i>";
            html += "</dt>\n<dd>" + Escaped(e.help) + "</dd>\n";
        }
    }
    if (!dialog.empty()) html += "</dl>\n";
    return html;
}

}  // namespace dpmr

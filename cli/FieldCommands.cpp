// dpmrtool fields, get and set: the settings dialogs' fields by name. `set`
// does what a user does in the dialogs (type, choose, spin, leave, close), so
// every rule of the dialogs applies, and writes the file once at the end.
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "config/AppSettings.h"
#include "dialogs/DialogRegistry.h"
#include "dialogs/FormSession.h"
#include "dialogs/SettingsReference.h"
#include "form/FieldKinds.h"
#include "form/FormDialog.h"
#include "image/Document.h"
#include "util/PlainText.h"

namespace dpmr::cli {

namespace {

using form::FieldRef;

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// "2-3" for a bit field, "0-7" for a byte, "0-15" for a word, "" for strings.
std::string BitsText(const form::Location& at) {
    if (at.size == 1) return std::to_string(at.lo) + "-" + std::to_string(at.lo + at.width - 1);
    if (at.size == 2) return "0-15";
    return "";
}

std::string Hex4(std::size_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04zX", v);
    return buf;
}

// What the dialogs open with: the "Freq range" entries of the settings beside
// dpmrtool, from which the channel dialog takes the band it clamps to, as the
// desktop program's channel table chooses it.
form::PageContext ToolPageContext() {
    return {FreqRangeEntries(LoadAppSettings(ExecutableFolder()))};
}

// One line of `dpmrtool fields`: a field where its dialog shows it.
struct FieldLine {
    std::string key;
    const form::DialogDecl* dialog = nullptr;
    std::string page;  // the tab's caption
    form::FieldDecl decl;
};

// Every field of the dialogs' tables; with an image, every field as the
// dialogs show it for that image (the squelch rows follow its band).
std::vector<FieldLine> ListFields(const RadioImage* image) {
    std::vector<FieldLine> lines;
    if (!image) {
        for (const FieldRef& r : form::AllFields())
            lines.push_back({r.Key(), r.dialog, r.Page().caption, r.Decl()});
        return lines;
    }
    const form::PageContext context = ToolPageContext();
    for (const form::DialogDecl* dialog : form::AllDialogs()) {
        RadioImage copy = *image;  // looking never changes the file
        form::FormDialog shown(*dialog, copy, context);
        for (int p = 0; p < shown.PageCount(); ++p) {
            const form::FieldPage* page = shown.FieldPageAt(p);
            if (!page) continue;
            for (std::size_t f = 0; f < page->FieldCount(); ++f)
                lines.push_back({page->Key() + "." + page->Field(f).key, dialog, page->Caption(),
                                 page->Field(f)});
        }
    }
    return lines;
}

int RunFields(const std::vector<std::string>& args) {
    ArgParser p({}, {"--json", "--reference"});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() > 1)
        return UsageError("usage: dpmrtool fields [--json | --reference] [FILE.dat]");
    if (p.Has("--reference")) {
        if (p.Has("--json") || !p.Positional().empty())
            return UsageError("usage: dpmrtool fields --reference");
        std::cout << SettingsReferenceHtml() << std::flush;
        return kExitOk;
    }
    RadioImage image;
    const bool withImage = !p.Positional().empty();
    if (withImage) {
        if (Status s = LoadExactImageFile(p.Positional()[0], image); !s) return FileError(s);
    }
    const std::vector<FieldLine> fields = ListFields(withImage ? &image : nullptr);
    if (p.Has("--json")) {
        std::cout << "[\n";
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const FieldLine& r = fields[k];
            const form::FieldDecl& f = r.decl;
            std::cout << "  {\"key\": " << JsonString(r.key)
                      << ", \"dialog\": " << JsonString(r.dialog->caption)
                      << ", \"page\": " << JsonString(r.page)
                      << ", \"group\": " << JsonString(f.group)
                      << ", \"label\": " << JsonString(f.label)
                      << ", \"kind\": " << JsonString(form::KindName(f.kind))
                      << ", \"offset\": " << f.at.offset << ", \"size\": " << f.at.size
                      << ", \"bits\": " << JsonString(BitsText(f.at))
                      << ", \"hidden\": " << (f.hidden ? "true" : "false")
                      << ", \"service\": " << (r.dialog->service ? "true" : "false")
                      << ", \"help\": " << JsonString(f.help) << "}"
                      << (k + 1 < fields.size() ? "," : "") << "\n";
        }
        std::cout << "]\n";
        return kExitOk;
    }
    for (const FieldLine& r : fields) {
        const form::FieldDecl& f = r.decl;
        std::string where = Hex4(f.at.offset);
        if (f.at.IsBitField())
            where += ":" + BitsText(f.at);
        else if (f.at.size > 1)
            where += "+" + std::to_string(f.at.size);
        std::string path = r.dialog->caption;
        if (!r.page.empty()) path += " > " + r.page;
        if (!f.group.empty()) path += " > " + f.group;
        std::printf("%-34s %-7s %-12s %s > \"%s\"%s%s  %s\n", r.key.c_str(), form::KindName(f.kind),
                    where.c_str(), path.c_str(), f.label.c_str(), f.hidden ? " (hidden)" : "",
                    r.dialog->service ? " (service)" : "", f.help.c_str());
    }
    std::fflush(stdout);
    return kExitOk;
}

int RunGet(const std::vector<std::string>& args) {
    ArgParser p({}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().empty()) return UsageError("usage: dpmrtool get FILE.dat [KEY ...]");
    RadioImage image;
    if (Status s = LoadExactImageFile(p.Positional()[0], image); !s) return FileError(s);

    std::vector<FieldRef> wanted;
    if (p.Positional().size() == 1) {
        wanted = form::AllFields();
    } else {
        for (std::size_t k = 1; k < p.Positional().size(); ++k) {
            const std::string& key = p.Positional()[k];
            const std::optional<FieldRef> ref = form::FindField(key);
            if (!ref) return UsageError("unknown key \"" + key + "\" (see dpmrtool fields)");
            wanted.push_back(*ref);
        }
    }
    // Each dialog is opened once, on a copy: looking never changes the file.
    std::map<const form::DialogDecl*, std::unique_ptr<form::FormDialog>> open;
    RadioImage scratch = image;
    const form::PageContext context = ToolPageContext();
    for (const FieldRef& r : wanted) {
        auto& dialog = open[r.dialog];
        if (!dialog) {
            scratch = image;
            dialog = std::make_unique<form::FormDialog>(*r.dialog, scratch, context);
        }
        const form::FieldPage* page = dialog->FieldPageAt(r.page);
        const auto i = static_cast<std::size_t>(r.field);
        // A field the page does not show for this image (a squelch row past
        // the band's points) is left out of the full list.
        if (i >= page->FieldCount()) {
            if (p.Positional().size() == 1) continue;
            return UsageError("\"" + r.Key() + "\" is not shown by \"" + r.dialog->caption +
                              "\" for this image (see dpmrtool fields FILE.dat)");
        }
        std::cout << r.Key() << "=" << page->Shown(i) << "\n";
    }
    return kExitOk;
}

int RunSet(const std::vector<std::string>& args) {
    ArgParser p({}, {"--service", "--strict"});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() < 2)
        return UsageError("usage: dpmrtool set [--service] [--strict] FILE.dat STEP ...");
    const std::string& path = p.Positional()[0];
    RadioImage image;
    if (Status s = LoadExactImageFile(path, image); !s) return FileError(s);

    form::FormSession session(image, p.Has("--service"), ToolPageContext());
    for (std::size_t k = 1; k < p.Positional().size(); ++k) {
        const std::string& text = p.Positional()[k];
        const std::string name = "step " + std::to_string(k) + " " + QuoteInput(text) + ": ";
        const std::optional<form::Step> step = form::ParseStep(text);
        if (!step) return UsageError(name + "expected KEY=TEXT, KEY~=TEXT, KEY++ or KEY--");
        std::vector<form::Step> steps;
        if (Status s = form::ExpandChannelRange(*step, steps); !s)
            return UsageError(name + s.message());
        for (const form::Step& one : steps)
            if (Status s = session.Apply(one); !s) return UsageError(name + s.message());
    }
    session.Finish();
    // A value stored other than given is said, never silently different.
    const std::vector<std::string> corrections = session.Corrections();
    for (const std::string& line : corrections) std::cerr << line << "\n";
    if (p.Has("--strict") && !corrections.empty())
        return UsageError(
            path + " not written: --strict and " + std::to_string(corrections.size()) +
            (corrections.size() == 1 ? " value" : " values") + " stored other than given");
    if (Status s = SaveImageFile(path, image); !s) return FileError(s);
    return kExitOk;
}

const RegisterCommand kFields{
    {"fields", "list the fields of the settings dialogs",
     "Usage: dpmrtool fields [--json] [FILE.dat]\n"
     "       dpmrtool fields --reference\n\n"
     "Lists every field of the settings dialogs and of the channel dialog (keys\n"
     "channel1.rx_freq .. channel16.tx_color_code, the place relative to the\n"
     "channel's 32-byte record), one a line: its key, kind,\n"
     "place in the radio file (offset, and bits for a bit field), where the\n"
     "dialogs show it (dialog > page > group > \"label\") and what it does on\n"
     "the radio; hidden controls and the factory values of the service dialogs\n"
     "are marked. With FILE.dat the fields are those the dialogs show for that\n"
     "file: the rows of \"Sql\" follow its band, one per point, grouped under\n"
     "their frequency.\n"
     "--json prints an array of objects with the members key, dialog, page,\n"
     "group, label, kind, offset, size, bits, hidden, service and help.\n"
     "--reference prints the user guide's settings reference as HTML.\n",
     RunFields}};

const RegisterCommand kGet{
    {"get", "print fields of a radio file as the dialogs show them",
     "Usage: dpmrtool get FILE.dat [KEY ...]\n\n"
     "Prints KEY=VALUE for each field (every field when no key is given) as\n"
     "its control shows it right after the dialog has opened: a list's chosen\n"
     "entry (empty when none), 0 or 1 for a check box, an edit's text.\n"
     "Keys are those of 'dpmrtool fields'; squelch rows the file's band does\n"
     "not have are left out. The file is not changed.\n",
     RunGet}};

const RegisterCommand kSet{
    {"set", "edit fields of a radio file as a user does in the dialogs",
     "Usage: dpmrtool set [--service] [--strict] FILE.dat STEP ...\n\n"
     "Does what a user does in the settings dialogs, step by step, so that every\n"
     "rule of the dialogs applies:\n"
     "  KEY=TEXT    type TEXT into the control and leave it (its rule runs);\n"
     "              for a list choose the entry TEXT, for a check box 0 or 1\n"
     "  KEY~=TEXT   type TEXT and stay in the control (until a tab change or\n"
     "              the dialog's closing takes the focus away)\n"
     "  KEY++       click the control's spin up once\n"
     "  KEY--       click it down once\n"
     "A step opens its dialog (which loads), clicks its tab when another page is\n"
     "shown, and a step of another dialog closes the open one first (closing\n"
     "stores every page). A channel's fields (channel3.tx_contact=Base,\n"
     "channel16.rx_freq=446.1) are set in the channel dialog opened on that\n"
     "channel; the table is not involved, but its band is: a frequency is\n"
     "clamped to the \"Freq range\" entry (Program.ini beside dpmrtool) that\n"
     "matches the file's band, or to the file's band. A range of channels\n"
     "(channel1-8.power=Low) is the same step on each of them in turn; a\n"
     "channel of the range that refuses it (an empty one greys its fields\n"
     "out) stops the whole set, the file untouched. FILE.dat must be\n"
     "a radio file of exactly 16384 bytes; it is written once, at the end.\n"
     "The fields of the service dialogs (\"Sql\", \"可调节参数\") are factory\n"
     "values of the radio: a step on one needs --service.\n"
     "An unknown key, a service field without --service, a squelch row the\n"
     "file's band does not have, a text that is no entry of a list, a control\n"
     "the dialog greys out (the reason is given), or a spin on a control\n"
     "without one stops with status 2 and leaves the file untouched.\n"
     "A value the dialog stores other than given (cut, refused characters\n"
     "dropped, brought into range) is said on stderr, one line a field:\n"
     "  dpmr.radio_id: \"10000011\" stored as 1000001 (at most 7 digits)\n"
     "--strict makes any such correction stop with status 2, the file untouched.\n",
     RunSet}};

}  // namespace

}  // namespace dpmr::cli

// dpmr_declaration_texts: prints every text of the declarations (labels,
// groups, help, notes, list entries, captions, the channel table's columns,
// the side-key functions, the settings reference's own) as
// QT_TRANSLATE_NOOP("Field", "...") lines, one C++ file that lupdate reads
// beside the sources. The desktop program translates these texts where it
// shows them, in the context "Field".
#include <cstdio>
#include <iostream>
#include <set>
#include <string>

#include "channels/ChannelColumns.h"
#include "dialogs/DialogRegistry.h"
#include "dialogs/SettingsReference.h"
#include "dpmr/ContactPagePresenter.h"
#include "form/FormDialog.h"
#include "settings/KeyFunctionTable.h"

namespace {

// A text a translator has something to do with: it holds a letter. Numbers,
// tones and symbols are the same in every language.
bool Wanted(const std::string& text) {
    for (unsigned char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80) return true;
    return false;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

}  // namespace

int main() {
    std::set<std::string> texts;
    const auto add = [&](const std::string& text) {
        if (Wanted(text)) texts.insert(text);
    };
    // What the guide's reference shows, asked for as the reference builds.
    dpmr::SettingsReferenceHtml([&](const std::string& text) {
        add(text);
        return text;
    });
    for (const dpmr::form::DialogDecl* dialog : dpmr::form::AllDialogs()) {
        add(dialog->caption);
        add(dialog->help);
        dpmr::RadioImage image;
        dpmr::form::FormDialog shown(*dialog, image);
        for (int p = 0; p < shown.PageCount(); ++p) add(shown.Page(p).Caption());
    }
    for (const dpmr::form::FieldRef& ref : dpmr::form::AllFields()) {
        const dpmr::form::FieldDecl& f = ref.Decl();
        for (const std::string& text :
             {f.label, f.group, f.help, f.note, f.number.specialWord, f.number.invalidText})
            add(text);
        for (const std::string& item : f.list.items) add(item);
    }
    for (const dpmr::ChannelColumn& column : dpmr::ChannelColumns()) {
        add(column.title);
        for (const std::string& item : column.listTexts) add(item);
    }
    for (const char* name : dpmr::KeyFunctionTable()) add(name);
    // The contact page's Type column and box.
    for (const std::string& type : dpmr::ContactPagePresenter::TypeChoices()) add(type);
    add(dpmr::KeyFunctionsHelp());

    std::cout << "// Made by dpmr_declaration_texts for lupdate; not built.\n";
    for (const std::string& text : texts)
        std::cout << "QT_TRANSLATE_NOOP(\"Field\", " << Quoted(text) << ");\n";
    return 0;
}

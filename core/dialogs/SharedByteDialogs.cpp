// The "Alarm" and "dPMR param" dialogs with the notes on the bytes they share.
#include "dialogs/SharedByteDialogs.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dpmr/DpmrParamDialog.h"
#include "settings/AlarmDialog.h"

namespace dpmr {

namespace {

using form::FieldDecl;
using form::PageDecl;

// A byte both dialogs write: the alarm's control on it and the dPMR page's
// controls on it, in the order the alarm's note names them.
struct SharedByte {
    const char* alarmKey;
    std::vector<const char*> dpmrKeys;
};

const std::vector<SharedByte>& SharedBytes() {
    static const std::vector<SharedByte> bytes{
        {"auto_contact", {"oacsu", "data_type"}},
        {"tx_interval", {"ack_reply_delay"}},
        {"query_interval", {"ack_reply_wait"}},
    };
    return bytes;
}

FieldDecl& FieldOf(PageDecl& page, const char* key) {
    const auto it = std::ranges::find(page.fields, key, &FieldDecl::key);
    assert(it != page.fields.end());
    return *it;
}

std::string OffsetText(std::size_t offset) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%03zX", offset);
    return text;
}

// Both pages, made from their declarations and joined.
struct JoinedPages {
    PageDecl alarm = MakeAlarmPage();
    PageDecl dpmr = MakeDpmrBasicPage();

    JoinedPages() {
        for (const SharedByte& shared : SharedBytes()) {
            FieldDecl& alarmField = FieldOf(alarm, shared.alarmKey);
            std::string dpmrLabels;
            for (const char* key : shared.dpmrKeys) {
                FieldDecl& dpmrField = FieldOf(dpmr, key);
                dpmrLabels += (dpmrLabels.empty() ? "" : " and ") + dpmrField.label;
                dpmrField =
                    dpmrField
                        .Help(dpmrField.help + " The " + kAlarmCaption +
                              " dialog uses the same byte (" + OffsetText(dpmrField.at.offset) +
                              ") for \"" + alarmField.label +
                              "\"; it writes the byte only when that control is changed there.")
                        .Note(std::string("Same byte as ") + kAlarmCaption + " > " +
                              alarmField.label);
            }
            alarmField =
                alarmField
                    .Help(alarmField.help + " " + kDpmrParamCaption + " > " + dpmr.caption +
                          " uses the same byte (" + OffsetText(alarmField.at.offset) + ") for " +
                          dpmrLabels + ": this dialog writes it only when you change this control.")
                    .Note(std::string("Same byte as ") + kDpmrParamCaption + " > " + dpmr.caption +
                          " > " + dpmrLabels + "; written only when changed here")
                    .StoredOnlyWhenChanged();
        }
    }
};

const JoinedPages& Joined() {
    static const JoinedPages pages;
    return pages;
}

}  // namespace

const PageDecl& AlarmPageDecl() {
    return Joined().alarm;
}

const form::DialogDecl& AlarmDialogDecl() {
    static const form::DialogDecl dialog = MakeAlarmDialog(AlarmPageDecl());
    return dialog;
}

const PageDecl& DpmrBasicPageDecl() {
    return Joined().dpmr;
}

const form::DialogDecl& DpmrParamDialogDecl() {
    static const form::DialogDecl dialog = MakeDpmrParamDialog(DpmrBasicPageDecl());
    return dialog;
}

namespace {

const FieldDecl& BasicField(const std::string& key) {
    for (const FieldDecl& f : DpmrBasicPageDecl().fields)
        if (f.key == key) return f;
    std::abort();  // the page declares both identity fields
}

}  // namespace

const FieldDecl& DpmrRadioIdField() {
    static const FieldDecl& field = BasicField("radio_id");
    return field;
}

const FieldDecl& DpmrRadioNameField() {
    static const FieldDecl& field = BasicField("radio_name");
    return field;
}

}  // namespace dpmr

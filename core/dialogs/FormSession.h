// FormSession: a user's walk through the settings dialogs, one step at a
// time, as `dpmrtool set` (and anything else that edits by field name) drives
// it. A step on a field opens its dialog (which loads every page), clicks its
// tab when another page is shown, then types into, chooses in, checks or
// spins its control; a step of another dialog first closes the open one,
// which stores every page. Finish() closes the last dialog.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/DialogRegistry.h"
#include "form/FormDialog.h"
#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr::form {

struct Step {
    enum class Action {
        kSet,       // KEY=TEXT: type (or choose, or check) and leave the control
        kType,      // KEY~=TEXT: type and stay in the control
        kSpinUp,    // KEY++
        kSpinDown,  // KEY--
    };
    std::string key;
    Action action = Action::kSet;
    std::string text;
};

// Reads "KEY=TEXT", "KEY~=TEXT", "KEY++" or "KEY--"; nothing for anything else.
std::optional<Step> ParseStep(std::string_view text);

// A step on a range of channels, "channelA-B.KEY..." with 1 <= A <= B <= 16,
// as the same step on channel A, A+1, ... B, in that order; any other step as
// it is. Fails, saying why, for a range outside 1..16 or one running
// backwards (channel8-1).
Status ExpandChannelRange(const Step& step, std::vector<Step>& steps);

// Puts `text` into control i of `page` as a user does: chooses the list entry
// with that text, checks ("1") or clears ("0") a check box, or types it
// into an edit. The control keeps the focus; the caller lets it go. Fails,
// saying why, for a text that is no entry of the list or a check box text
// other than 0 and 1; `key` names the field in the message.
Status EnterControlText(FieldPage& page, std::size_t i, const std::string& key,
                        const std::string& text);

class FormSession {
  public:
    // Steps on the fields of service dialogs (factory values) fail unless
    // `serviceAllowed`. Every dialog opens with `context`.
    explicit FormSession(RadioImage& image, bool serviceAllowed = false, PageContext context = {});
    ~FormSession();

    // Runs one step. A failure (unknown key, a field of a service dialog
    // without leave, a field its page does not show for this image, a text
    // that is no entry of the list, a spin on a control without one) says
    // why; the image may then
    // hold the stores of dialogs closed before, so callers that must leave
    // their file untouched work on a copy.
    Status Apply(const Step& step);
    // Closes the open dialog, if any (every page stores).
    void Finish();
    // After Finish(): for each field a step typed a text into or chose a
    // text in (its last such step), the line that says how the value the
    // image now holds differs from that text, as CorrectionNote words it.
    std::vector<std::string> Corrections() const;

  private:
    void Open(const DialogDecl& dialog);

    RadioImage& image_;
    bool serviceAllowed_ = false;
    PageContext context_;
    const DialogDecl* openDecl_ = nullptr;
    // The texts given, by full key, the last one of each field.
    std::vector<std::pair<FieldRef, std::string>> given_;
    std::unique_ptr<FormDialog> open_;
};

}  // namespace dpmr::form

// FieldKinds: the rules every field of a settings page follows, by kind:
// Load (image -> what the control shows), Store (control -> image), Commit
// (what leaving the control does to its text), Spin (one arrow step) and the
// typing filter. Bits a field does not own are never changed: a bit field is
// written by clearing its bits and or-ing the new value in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/ControlState.h"
#include "form/FieldDecl.h"
#include "image/RadioImage.h"

namespace dpmr::form {

// The entries of a list as the dialog fills it when it opens: the fixed texts
// with their codes, or the entries built from the image.
ListItems ListItemsFor(const FieldDecl& field, const RadioImage& image);
// Whether the control has entries (a list or a tone box).
bool HasItems(const FieldDecl& field);
// Whether two fields' lists have the same entries on every image: both tone
// lists, or lists of the same fixed entries and codes taking the same source.
bool SameEntries(const FieldDecl& a, const FieldDecl& b);

// Shows the stored value in `state` (its items must already be filled).
void LoadField(const FieldDecl& field, const RadioImage& image, ControlState& state);
// Writes what `state` shows into the image.
void StoreField(const FieldDecl& field, const ControlState& state, RadioImage& image);

// The text an edit shows after it lost the focus.
std::string CommitText(const FieldDecl& field, const std::string& text);
// Whether the commit also runs after each load and before each store.
bool CommitsAfterLoad(const FieldDecl& field);
bool CommitsBeforeStore(const FieldDecl& field);

// One click of the spin (+1 up, -1 down) on the text as it stands; nothing
// when the control has no spin.
std::optional<std::string> SpinText(const FieldDecl& field, const std::string& text, int step);

// A typed character as the edit takes it (upper-cased where the edit does),
// or nothing when the edit refuses it.
std::optional<char> TypedChar(const FieldDecl& field, char c);
// A whole text typed or pasted: refused characters dropped, letters
// upper-cased where the edit does it, cut to the edit's limit.
std::string TypedText(const FieldDecl& field, std::string_view text);

// When the control of a field shows `shown` after `text` was typed into (or
// chosen in) it and left, and that is not the value typed, the line that says
// so: `dpmr.radio_id: "10000011" stored as 1000001 (at most 7 digits)`, with
// the rule that changed it. Nothing when `shown` is the value typed, also
// written another way ("030" for 30, "a" for A in a hexadecimal box, "123"
// for the identity 0000123). `key` names the field.
std::optional<std::string> CorrectionNote(const FieldDecl& field, const std::string& key,
                                          const std::string& text, const std::string& shown);

// The text a control shows, as `dpmrtool get` prints it: a list's selected
// entry ("" when none), "0"/"1" for a check box, an edit's text.
std::string ShownText(const FieldDecl& field, const ControlState& state);

}  // namespace dpmr::form

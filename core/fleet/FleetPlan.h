// FleetPlan: the identity each radio of a fleet write gets, decided before any
// byte is sent. Radio IDs run from a start value in steps through the 7-digit
// rule of the dPMR settings; an ID the rule would replace, or one that repeats,
// is refused. Names come from a pattern ("Unit {n}", "{id:4}") cut to the
// 8 characters the radio keeps, and the cut is said. "Keep each radio's
// identity" leaves both to what each radio holds, read before the write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

struct FleetIdentityOptions {
    // The first radio's ID and the step to the next; no start value keeps the
    // document's ID, which is refused for more than one radio (it repeats).
    std::optional<long long> idFrom{};
    long long idStep = 1;
    // Empty: the document's name (or, keeping identities, each radio's own).
    std::string namePattern{};
    // Read each radio first and write it back with its own ID and name (a
    // name pattern still names it, from its own ID).
    bool keepIdentity = false;
};

// One radio of the fleet: its port and, unless its identity is kept, the ID
// and name it gets.
struct FleetTarget {
    int number = 0;  // 1 for the first port
    std::string port;
    // 7 digits; empty: the ID the image holds stays (the document's for a
    // single radio, or the radio's own when its identity is kept).
    std::string radioId;
    // What goes into the name field (at most 8 characters); none: the name
    // the image holds stays.
    std::optional<std::string> name;
};

// The targets for `ports` in order, or the reason nothing may be sent (a port
// given twice, an ID outside 7 digits, one the 7-digit rule would replace, a
// repeated ID, a bad name pattern). `notes` receives what was changed from
// what was asked (a name cut to 8 characters).
Status PlanFleet(const std::vector<std::string>& ports, const FleetIdentityOptions& options,
                 const RadioImage& document, std::vector<FleetTarget>& targets,
                 std::vector<std::string>& notes);

// The name `pattern` gives radio `number` with `radioId`: "{n}" is the
// number, "{id}" the 7-digit ID, "{id:K}" its last K digits (1 to 7), "{{"
// and "}}" are braces; anything else in braces is an error. Only printable
// ASCII is taken, as the radio shows one character a byte. Not yet cut.
Status ExpandNamePattern(const std::string& pattern, int number, const std::string& radioId,
                         std::string& name);

// The pattern's name for radio `number`, cut to 8 characters; `note` says so
// when it was cut ("radio 2: the name ... is cut ..."), else is emptied.
Status FleetRadioName(const std::string& pattern, int number, const std::string& radioId,
                      std::string& name, std::string& note);

// The radio ID and the radio name as the dPMR settings show them (7 digits;
// up to 8 characters). Read and written through that page's fields.
std::string ImageRadioId(const RadioImage& image);
std::string ImageRadioName(const RadioImage& image);

// Writes a 7-digit ID and a name (cut to 8 characters) into the image.
void StoreRadioIdentity(RadioImage& image, const std::string& radioId, const std::string& name);

// Writes only the name (cut to 8 characters, 0xFF padding).
void StoreRadioName(RadioImage& image, const std::string& name);

// Copies the radio ID and name bytes from `from` as they are.
void CopyRadioIdentity(const RadioImage& from, RadioImage& to);

// The identity the plan gave `target` written into `image`: when the target
// has an ID or a name, both are written, the one it lacks as the image shows
// it; otherwise the image keeps its own.
void ApplyPlannedIdentity(RadioImage& image, const FleetTarget& target);

// The IDs that occur more than once, each with the ports that hold it:
// "ID 1000002 on /dev/pts/3 and /dev/pts/5". Empty when all differ.
std::vector<std::string> RepeatedIds(const std::vector<FleetTarget>& targets);

}  // namespace dpmr

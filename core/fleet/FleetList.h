// FleetList: the customer's list of radios (name, dPMR ID and, optionally,
// the port of the radio that gets the row), read from a CSV file or from
// rows a spreadsheet put on the clipboard (tab-separated), and the check of
// the whole list before the first byte is sent: every problem is either a
// refusal (nothing may be sent) or a question (the user may go on), each
// naming its row.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "fleet/FleetPlan.h"
#include "image/RadioImage.h"
#include "util/Result.h"
#include "util/Translation.h"

namespace dpmr {

struct FleetListRow {
    std::size_t line = 0;  // where the row stands in the file or the pasted text, from 1
    std::string name;      // as the list has it (not yet cut)
    std::string radioId;   // as the list has it (not yet padded)
    std::string port;      // empty: the next port not named by another row
};

// Reads the rows: tab-separated when the first line holds a tab (spreadsheet
// cells on the clipboard), else CSV. A first line whose ID column is not a
// number is taken as the column titles and skipped; blank rows and empty
// cells after the third are passed over. Broken quoting or a row with other
// than two or three columns fails naming its line, and `rows` is left empty.
Status ParseFleetList(std::string_view text, std::vector<FleetListRow>& rows);

// "line 4 ("Bravo")": a row as the findings name it; `place` is "line" for
// a file's rows, "row" for a table's.
std::string FleetRowLabel(const FleetListRow& row,
                          const char* place = DPMR_TR_NOOP("fleet", "line"));

struct FleetFinding {
    bool refusal = true;  // false: a question the user may answer with "go on"
    std::string text;     // names the row: "line 4 (Bravo): ..."
};

struct FleetListPlan {
    std::vector<FleetTarget> targets;  // one per row, in the list's order
    std::vector<FleetFinding> findings;

    bool Refused() const;
    // The findings of one kind, in order.
    std::vector<std::string> Texts(bool refusals) const;
};

// The whole list checked and given to ports: a row that names a port gets
// it; the others get, in order, the `ports` that no row names. Refused: an
// ID that is missing, not a number of up to 7 digits, or one the 7-digit rule
// would replace; an ID given twice; a name the radio cannot show; two names
// that are the same once cut to the radio's 8 characters; a row left without
// a port or two rows on one port. Asked: a name cut to 8 characters, a port
// given that no row uses. A row without a name keeps the file's name. With
// `oneCable`, every row goes to that one port, one radio after another
// (the ports the rows name are not used).
FleetListPlan PlanFleetList(const std::vector<FleetListRow>& rows,
                            const std::vector<std::string>& ports, const std::string& oneCable = {},
                            const char* place = "line");

}  // namespace dpmr

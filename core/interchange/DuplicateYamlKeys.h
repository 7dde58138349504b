// DuplicateYamlKeys: a key given twice in one mapping of a YAML file. YAML
// forbids it, but yaml-cpp keeps both and the reader would take the last
// without a word ("tot: 90" then "tot: 120" giving 120), so the codeplug
// import looks for it first, on the parser's events (an alias is not
// followed, so a file of nested aliases costs no more than its length).
#pragma once

#include <string_view>

#include "util/Result.h"

namespace dpmr {

// Fails with "line 7, column 3: the key \"tot\" is given twice in one
// mapping, on lines 5 and 7" for the first key repeated in a mapping, placed
// where it is given the second time. The parser's own faults
// are thrown as yaml-cpp's exceptions, for the caller to report as it
// reports a syntax error.
Status CheckDuplicateYamlKeys(std::string_view text);

}  // namespace dpmr

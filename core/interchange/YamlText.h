// YamlText: a text written into a YAML file so that every YAML reader gives
// the same text back. Files the program writes are read by other tools too
// (PyYAML and others), which take a plain `Off`, `0x0000`, `05`,
// `446.006250` or `0000100` for a truth value or a number and write it back
// changed; such texts are double-quoted, all others stay plain and readable.
#pragma once

#include <yaml-cpp/emitter.h>

#include <string>
#include <string_view>

namespace dpmr {

// Whether `text` must be quoted: it is empty, starts or ends in a way a plain
// scalar cannot (an indicator, a blank, a byte outside ASCII), holds a
// character other than letters, digits and " .+-_()/", or a reader of YAML
// 1.1 or of YAML 1.2's core schema would take it for a truth value (y, yes,
// on, true and their opposites, in any letter case), null, an integer (also
// 0x, 0o, 0b, a leading 0, digits with "_", base 60 as "1:20"), a float
// ("1.5", "1.", "1e3", ".inf", ".nan") or a date ("2001-12-14").
bool YamlTextNeedsQuotes(std::string_view text);

// A text to write with `out << YamlText{...}`, as a key or a value.
struct YamlText {
    std::string text;
};

YAML::Emitter& operator<<(YAML::Emitter& out, const YamlText& t);

}  // namespace dpmr

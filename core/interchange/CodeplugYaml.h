// CodeplugYaml: the whole radio image as a YAML file a person can read, edit
// and keep in version control (dpmrtool export/import, File > Export... and
// Import...). The file is the CodeplugModel written out: a header, the
// channels, one mapping per settings page, the contacts, the group receive
// lists and the raw bytes no field owns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/AppSettings.h"
#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

// The version of the file's layout, written as `format:`.
inline constexpr int kCodeplugFormat = 1;

std::string CodeplugToYaml(const RadioImage& image);

// Builds the image a YAML file describes. A syntax error, an unknown key, a
// value of the wrong type (a list where a text belongs), a value that is no
// entry of its list: the message names the place as "line L, column C: ..."
// and `image` is left as it was. Values stored other than written are listed
// in `corrections` (see BuildCodeplugImage).
Status CodeplugFromYaml(std::string_view text, const AppSettings& settings, RadioImage& image,
                        std::vector<std::string>* corrections = nullptr);

}  // namespace dpmr

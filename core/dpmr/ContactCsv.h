// ContactCsv: the contact list as comma-separated text, for scripts and
// spreadsheets: the header "Name,Number,Type", then one row per contact in
// list order (Type "Single call" or "Group call"). Importing replaces the
// list with the rows under the rules of the "Contact" page; a contact whose
// number the radio already lists keeps its record, so that channels and group
// lists that use it keep pointing at it.
#pragma once

#include <string>
#include <string_view>

#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

std::string ContactsToCsv(const RadioImage& image);

// Replaces the contact list with the rows of `csv`: names of 1 to 8 bytes,
// none twice; numbers of 1 to 7 characters of "0123456789*", none twice
// once padded to 7; 1 to 64 rows. Contacts left out are freed, new numbers
// take free records, and the list is stored as the page stores it (sorted by
// name, references to contacts no longer listed cleared). A CSV that lists
// exactly what the image holds changes nothing. A bad row fails with
// "line N: reason", a file that is not UTF-8 text with the line and column
// of its first byte that is not (CheckCsvUtf8), and leaves `image` as it was.
Status ImportContactsCsv(RadioImage& image, std::string_view csv);

}  // namespace dpmr

// FileError: reports a file that could not be read or written as one line on
// stderr ("dpmrtool: ...") and gives the usage/file-error exit status, so that
// scripts can rely on a single line per failure.
#pragma once

#include <string>

#include "ArgParser.h"
#include "util/Result.h"

namespace dpmr::cli {

inline int FileError(const Status& status) {
    std::string line = status.message();
    while (!line.empty() && line.back() == '\n') line.pop_back();
    for (char& c : line) {
        if (c == '\n') c = ' ';
    }
    return UsageError(line);
}

}  // namespace dpmr::cli

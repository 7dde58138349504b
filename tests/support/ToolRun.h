// ToolRun: runs the built dpmrtool (or another program) through the shell and
// keeps its exit status, stdout and stderr, for tests of the command line.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/TempDir.h"

namespace dpmr::test {

// The whole content of a file ("" when it cannot be read).
inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// Runs `exe args` through the shell; the arguments hold no blanks or quotes.
inline ToolRun Tool(const std::string& args,
                    const std::string& exe = DPMR_TEST_BIN_DIR "/dpmrtool") {
    TempDir io;
    const int rc =
        std::system((exe + " " + args + " >" + io.File("o") + " 2>" + io.File("e")).c_str());
    return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, FileText(io.File("o")), FileText(io.File("e"))};
}

}  // namespace dpmr::test

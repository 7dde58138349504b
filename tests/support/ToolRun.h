// ToolRun: dpmrtool run as a real program through the shell, with its exit
// status and everything it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "ProjectPaths.h"
#include "support/TempDir.h"

namespace dpmr::test {

// A whole file as a string ("" when it cannot be read).
inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// Runs the tool through the shell: `args` is shell text, so an argument with
// blanks, quotes or "*" is quoted by the caller.
inline ToolRun Tool(const std::string& args, const std::string& exe = ProgramDir() + "/dpmrtool") {
    TempDir io;
    const int rc =
        std::system((exe + " " + args + " >" + io.File("o") + " 2>" + io.File("e")).c_str());
    return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, FileText(io.File("o")), FileText(io.File("e"))};
}

}  // namespace dpmr::test

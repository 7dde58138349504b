// ToolRun: dpmrtool run as a real program through the shell, with its exit
// status and everything it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ProjectPaths.h"
#include "support/TempDir.h"

namespace dpmr::test {

// A whole file as a string ("" when it cannot be read).
inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes `text` as the whole file at `path`, making its folder first.
inline void PutFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// The sanitizer options of a tool the suites start: theirs, without the leak
// check at exit. That check costs a sanitized process some 40 ms, and the
// suites start the tool hundreds of times; the same core code is checked for
// leaks in the suites' own processes.
inline std::string ToolSanitizerOptions() {
    const char* own = std::getenv("ASAN_OPTIONS");
    return std::string(own ? own : "") + ":detect_leaks=0";
}

// Runs the tool through the shell: `args` is shell text, so an argument with
// blanks, quotes or "*" is quoted by the caller.
inline ToolRun Tool(const std::string& args, const std::string& exe = ProgramDir() + "/dpmrtool") {
    TempDir io;
    const int rc = std::system(("ASAN_OPTIONS='" + ToolSanitizerOptions() + "' " + exe + " " +
                                args + " >" + io.File("o") + " 2>" + io.File("e"))
                                   .c_str());
    return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, FileText(io.File("o")), FileText(io.File("e"))};
}

// Runs dpmrtool with each argument quoted (none may hold a quote).
inline ToolRun QuotedTool(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) line += " '" + a + "'";
    return Tool(line);
}

}  // namespace dpmr::test

// ToolProcess: dpmrtool started as a child process whose stdout and stderr go
// to tool.out and tool.err in a test folder, which also holds its home,
// settings and state (so its backups), so that the user's never apply and
// nothing reaches the user's own folders. A test that needs settings of its
// own runs a copy of dpmrtool from a folder of its own (PortableTool), as a
// user runs an unpacked copy with its Program.ini beside it.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ProjectPaths.h"
#include "support/ToolRun.h"

namespace dpmr::test {

// A copy of dpmrtool in `folder`prog/, with `programIni` as the Program.ini
// beside it; returns the copy's path.
inline std::string PortableTool(const std::string& folder, const std::string& programIni) {
    const std::string prog = folder + "prog/";
    std::filesystem::create_directories(prog);
    std::filesystem::copy_file(ProgramDir() + "/dpmrtool", prog + "dpmrtool",
                               std::filesystem::copy_options::skip_existing);
    std::ofstream(prog + "Program.ini") << programIni;
    return prog + "dpmrtool";
}

struct ToolProcess {
    // Runs `program` (the built dpmrtool unless given) with `args`.
    // With `pipeInput`, its standard input is a pipe that Send writes to.
    ToolProcess(std::vector<std::string> args, const std::string& folder,
                const std::string& program = {}, bool pipeInput = false) {
        args.insert(args.begin(), program.empty() ? ProgramDir() + "/dpmrtool" : program);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string sanitizer = ToolSanitizerOptions();
        int ends[2] = {-1, -1};
        if (pipeInput && ::pipe(ends) != 0) ends[0] = ends[1] = -1;
        if ((pid = ::fork()) != 0) {
            if (ends[0] >= 0) ::close(ends[0]);
            input = ends[1];
            return;
        }
        if (ends[0] >= 0) {
            ::dup2(ends[0], 0);
            ::close(ends[1]);
        }
        ::setenv("XDG_CONFIG_HOME", (folder + "config").c_str(), 1);
        ::setenv("XDG_STATE_HOME", (folder + "state").c_str(), 1);
        ::setenv("HOME", folder.c_str(), 1);
        ::setenv("ASAN_OPTIONS", sanitizer.c_str(), 1);
        ::dup2(::open((folder + "tool.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open((folder + "tool.err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ~ToolProcess() {
        CloseInput();
        if (pid > 0 && status < 0 && ::kill(pid, SIGKILL) == 0) Wait();
    }
    // Types `text` into the program's standard input.
    void Send(const std::string& text) {
        ::signal(SIGPIPE, SIG_IGN);  // a program that has ended fails the write instead
        if (input >= 0 && ::write(input, text.data(), text.size()) < 0) CloseInput();
    }
    void CloseInput() {
        if (input >= 0) ::close(input);
        input = -1;
    }
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;
    // The exit status, or 128 + the signal that ended it.
    int Wait() {
        int s = 0;
        ::waitpid(pid, &s, 0);
        return status = WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
    }
    pid_t pid = -1;
    int status = -1;
    int input = -1;  // the pipe to its standard input, when asked for
};

}  // namespace dpmr::test

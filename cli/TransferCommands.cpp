// dpmrtool read, write, read-squelch, write-squelch, read-adjust and
// write-adjust: the radio transfers for scripts. The port and speed come from
// --port/--baud or else from the settings file. A failed or cancelled transfer
// creates no output file and leaves an in-place file as it was; a read checks
// first that its output file can be written, so that a long transfer is not
// lost at its end. Every programming read and write keeps a backup of the
// image in the user's state folder; a write is checked first and refused
// with errors unless forced, and can be read back and compared (--verify).
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "InterruptScope.h"
#include "check/WriteCheck.h"
#include "config/AppSettings.h"
#include "document/NewDocument.h"
#include "image/Document.h"
#include "link/ServiceTransfers.h"
#include "link/TraceStore.h"
#include "link/TransferTrace.h"
#include "link/WriteSequence.h"
#include "util/DecimalText.h"
#include "util/FileIo.h"

namespace dpmr::cli {

namespace {

// The running transfer's control; Ctrl+C, SIGTERM or SIGHUP asks it to stop
// after the block in progress (a lock-free atomic store is safe in a signal
// handler). The same signal again ends the program at once; no output file
// has been written by then.
TransferControl gControl;
static_assert(std::atomic<bool>::is_always_lock_free);

void OnInterrupt(int) {
    gControl.cancelRequested.store(true);
}

// True while a progress bar line is drawn but not finished.
bool gBarOpen = false;

// "[#########...........]  45%" on stderr, redrawn in place.
ProgressCallback TerminalProgress() {
    if (!::isatty(STDERR_FILENO)) return {};
    return [](int done, int total) {
        gBarOpen = done != total;
        constexpr int kWidth = 40;
        const int percent = ProgressPercent(done, total);
        const int filled = total > 0 ? done * kWidth / total : 0;
        std::fprintf(stderr, "\r[%s%s] %3d%%",
                     std::string(static_cast<std::size_t>(filled), '#').c_str(),
                     std::string(static_cast<std::size_t>(kWidth - filled), '.').c_str(), percent);
        if (done == total) std::fputc('\n', stderr);
        std::fflush(stderr);
    };
}

// --port and --baud, else [Setup] "COM" and "BaudRate" of the settings file.
bool ParseLink(const ArgParser& p, LinkSettings& link, std::string& error) {
    const AppSettings settings = LoadAppSettings(ExecutableFolder());
    link.portName = p.Value("--port").value_or(settings.portName);
    link.baudRate = settings.baudRate;
    if (auto baud = p.Value("--baud")) {
        const auto value = ParseWholeNumber(*baud);
        if (!value || *value <= 0 || *value > 4000000) {
            error = "--baud needs a positive number of bits per second, not '" + *baud + "'";
            return false;
        }
        link.baudRate = static_cast<std::int32_t>(*value);
    }
    if (link.portName.empty()) {
        error = "no serial port given: use --port DEV (or set COM in Program.ini)";
        return false;
    }
    return true;
}

// The Write's stages on the same bar: each stage's blocks from 1 on.
WriteProgress TerminalStages() {
    const ProgressCallback bar = TerminalProgress();
    if (!bar) return {};
    return [bar](WriteStage, int done, int total) {
        if (done > 0) bar(done, total);
    };
}

// Ends a bar left unfinished, so that what follows has a line of its own.
void EndBar() {
    if (gBarOpen) std::fputc('\n', stderr);
    gBarOpen = false;
}

// The failure text (its fixed first line, then the reason) on stderr, status
// 1; or for a stop, the partly-written warning of a Write and the status of
// the signal that stopped it (130 for Ctrl+C).
int TransferExit(const TransferResult& result) {
    EndBar();
    if (!result.message.empty()) std::cerr << result.message << "\n";
    return result.cancelled() ? StoppedExitStatus() : kExitTransferFailed;
}

// A backup or trace that could not be kept, said on stderr; the command
// goes on.
void SayBackupProblem(const std::string& message) {
    if (message.empty()) return;
    EndBar();
    std::cerr << "dpmrtool: " << message << "\n";
}

// The transfer's trace: among the last ones, and in --trace FILE when given.
TransferTrace MakeTrace(const std::string& what, const LinkSettings& link, const ArgParser& p) {
    return TransferTrace(what, link, DefaultTraceFolder(), p.Value("--trace").value_or(""));
}

int RunRead(const std::vector<std::string>& args) {
    ArgParser p({"--port", "--baud", "--base", "-o", "--output", "--trace"}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    auto out = p.Value("-o");
    if (!out) out = p.Value("--output");
    if (!out || out->empty() || !p.Positional().empty()) {
        return UsageError(
            "usage: dpmrtool read [--port DEV] [--baud N] [--base FILE.dat] [--trace FILE] -o "
            "OUT.dat");
    }
    LinkSettings link;
    if (std::string error; !ParseLink(p, link, error)) return UsageError(error);
    if (Status s = CheckCanSave(*out); !s) return FileError(s);
    RadioImage image;
    if (auto base = p.Value("--base")) {
        if (Status s = LoadExactImageFile(*base, image); !s) return FileError(s);
    } else {
        NewImage(image, ProgramFolder(), BandLimits{});
    }
    ReadOutcome read;
    TransferTrace trace = MakeTrace("read", link, p);
    {
        InterruptScope interrupt(OnInterrupt);
        BackupSink backups(DefaultBackupFolder());
        read = ReadDocument(trace.Link(), image, backups, TerminalProgress(), gControl);
    }
    trace.Finish(read.result);
    SayBackupProblem(trace.Problem());
    if (!read.result.succeeded()) return TransferExit(read.result);
    SayBackupProblem(read.backupMessage);
    if (Status s = SaveImageFile(*out, image); !s) return FileError(s);
    return kExitOk;
}

int RunWrite(const std::vector<std::string>& args) {
    ArgParser p({"--port", "--baud", "--trace"}, {"--verify", "--force", "--keep-calibration"});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 1) {
        return UsageError(
            "usage: dpmrtool write [--port DEV] [--baud N] [--verify] [--force] "
            "[--keep-calibration] [--trace FILE] FILE.dat");
    }
    LinkSettings link;
    if (std::string error; !ParseLink(p, link, error)) return UsageError(error);
    const std::string& file = p.Positional()[0];
    RadioImage image;
    if (Status s = LoadExactImageFile(file, image); !s) return FileError(s);
    const std::vector<WriteProblem> problems = CheckBeforeWrite(image);
    for (const WriteProblem& problem : problems) std::cerr << ProblemLine(problem) << "\n";
    if (HasErrors(problems) && !p.Has("--force"))
        return UsageError(file + " has errors and was not written (--force writes it anyway)");
    WriteOutcome written;
    TransferTrace trace = MakeTrace("write", link, p);
    {
        InterruptScope interrupt(OnInterrupt);
        BackupSink backups(DefaultBackupFolder());
        written = WriteDocument(
            trace.Link(), image,
            {.keepCalibration = p.Has("--keep-calibration"), .verify = p.Has("--verify")}, backups,
            TerminalStages(), gControl);
    }
    trace.Finish(written.result);
    SayBackupProblem(written.backupMessage);
    SayBackupProblem(trace.Problem());
    if (!written.result.succeeded()) return TransferExit(written.result);
    if (!written.result.message.empty()) std::cout << written.result.message << "\n";
    return kExitOk;
}

using ServiceRead = TransferResult (*)(const LinkSettings&, RadioImage&);
using ServiceWrite = TransferResult (*)(const LinkSettings&, const RadioImage&);

// A service transfer on FILE.dat; a read updates the file in place on success.
int RunService(const std::vector<std::string>& args, const std::string& name, ServiceRead read,
               ServiceWrite write) {
    ArgParser p({"--port", "--baud", "--trace"}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 1) {
        return UsageError("usage: dpmrtool " + name +
                          " [--port DEV] [--baud N] [--trace FILE] FILE.dat");
    }
    LinkSettings link;
    if (std::string error; !ParseLink(p, link, error)) return UsageError(error);
    const std::string& file = p.Positional()[0];
    RadioImage image;
    if (Status s = LoadExactImageFile(file, image); !s) return FileError(s);
    TransferTrace trace = MakeTrace(name, link, p);
    TransferResult result = read ? read(trace.Link(), image) : write(trace.Link(), image);
    trace.Finish(result);
    SayBackupProblem(trace.Problem());
    if (!result.succeeded()) return TransferExit(result);
    if (read) {
        if (Status s = SaveImageFile(file, image); !s) return FileError(s);
    }
    if (!result.message.empty()) std::cout << result.message << "\n";
    return kExitOk;
}

const char* const kLinkOptions =
    "  --port DEV   serial device (/dev/ttyUSB0, a virtual radio's /dev/pts/N, or COMn\n"
    "               meaning /dev/ttyS(n-1)); default: [Setup] COM of Program.ini\n"
    "  --baud N     line speed in bits per second; default: [Setup] BaudRate, else 9600\n"
    "  --trace FILE write the transfer's wire trace (every frame with its time) to FILE;\n"
    "               the last 20 are kept anyway, see dpmrtool report\n";

const char* const kExitText =
    "\nExit status: 0 success; 1 transfer failed (the message on stderr: its first\n"
    "line the program's fixed text, then the reason, and where the wire trace is);\n"
    "2 usage or file error.\n";

const RegisterCommand kRead{
    {"read", "read the configuration from the radio into a file",
     std::string("Usage: dpmrtool read [--port DEV] [--baud N] [--base FILE.dat] [--trace FILE]\n"
                 "                     -o OUT.dat\n\n"
                 "Reads the radio's configuration. OUT.dat is the base image (File > New's,\n"
                 "or FILE.dat) with every range the radio sends replaced, and the radio's\n"
                 "band edges filled in when the image has none. Ctrl+C, SIGTERM or SIGHUP\n"
                 "stops after the block in progress (exit status 130, 143 or 129). Nothing\n"
                 "is written unless the whole read succeeded; OUT.dat must be writable\n"
                 "before the transfer starts.\n"
                 "A copy of what was read is also kept (see dpmrtool backups).\n\n"
                 "Options:\n") +
         kLinkOptions + "  --base FILE  start from this file instead of File > New's image\n" +
         "  -o, --output OUT.dat   where to save what was read\n" + kExitText +
         "130, 143, 129 stopped by Ctrl+C, SIGTERM, SIGHUP.\n",
     RunRead}};

const RegisterCommand kWrite{
    {"write", "write a file's configuration into the radio",
     std::string("Usage: dpmrtool write [--port DEV] [--baud N] [--verify] [--force]\n"
                 "                      [--keep-calibration] [--trace FILE] FILE.dat\n\n"
                 "Writes the configuration of FILE.dat into the radio. Ctrl+C, SIGTERM or\n"
                 "SIGHUP (a logout) stops after the block in progress (exit status 130,\n"
                 "143 or 129), says what the radio holds and marks the backup. A write\n"
                 "that ends early after the radio took blocks says so: the radio then\n"
                 "holds a partly written configuration and is to be written again.\n\n"
                 "The file is checked first (see dpmrtool check): its problems are listed on\n"
                 "stderr, and a file with errors is not written (exit status 2) unless\n"
                 "--force is given. A copy of what is written is kept beforehand (see\n"
                 "dpmrtool backups); it is marked as a failed write when the write does\n"
                 "not end well.\n\nOptions:\n") +
         kLinkOptions +
         "  --verify     read the radio back afterwards and compare: prints \"Written\n"
         "               and verified, except the 24-byte closing block, which the\n"
         "               radio does not send back\" (0x2160-0x2177 cannot be read\n"
         "               back), or fails with \"Verify failed\" and the settings\n"
         "               that differ, as dpmrtool diff names them (this doubles the\n"
         "               time taken)\n"
         "  --force      write a file that has errors\n"
         "  --keep-calibration  read the radio's squelch calibration first and write\n"
         "               it back unchanged instead of the file's (the file's is the\n"
         "               radio's it was read from, set for that radio at the factory)\n" +
         kExitText + "130, 143, 129 stopped by Ctrl+C, SIGTERM, SIGHUP.\n",
     RunWrite}};

const RegisterCommand kReadSquelch{
    {"read-squelch", "read the squelch calibration into a file (in place)",
     std::string("Usage: dpmrtool read-squelch [--port DEV] [--baud N] [--trace FILE] FILE.dat\n\n"
                 "Reads the squelch values and noise thresholds from the radio and stores\n"
                 "them in FILE.dat, which changes only when the read succeeded.\n\n"
                 "Options:\n") +
         kLinkOptions + kExitText,
     [](const std::vector<std::string>& a) {
         return RunService(a, "read-squelch", ReadSquelch, nullptr);
     }}};

const RegisterCommand kWriteSquelch{
    {"write-squelch", "write the squelch calibration of a file into the radio",
     std::string("Usage: dpmrtool write-squelch [--port DEV] [--baud N] [--trace FILE] FILE.dat\n\n"
                 "Writes the squelch values and noise thresholds of FILE.dat into the\n"
                 "radio and prints \"Success\".\n\nOptions:\n") +
         kLinkOptions + kExitText,
     [](const std::vector<std::string>& a) {
         return RunService(a, "write-squelch", nullptr, WriteSquelch);
     }}};

const RegisterCommand kReadAdjust{
    {"read-adjust", "read the factory adjustment into a file (in place)",
     std::string("Usage: dpmrtool read-adjust [--port DEV] [--baud N] [--trace FILE] FILE.dat\n\n"
                 "Reads the factory adjustment values from the radio and stores them in\n"
                 "FILE.dat, which changes only when the read succeeded; prints\n"
                 "\"Read successfully\".\n\nOptions:\n") +
         kLinkOptions + kExitText,
     [](const std::vector<std::string>& a) {
         return RunService(a, "read-adjust", ReadAdjustment, nullptr);
     }}};

const RegisterCommand kWriteAdjust{
    {"write-adjust", "write the factory adjustment of a file into the radio",
     std::string("Usage: dpmrtool write-adjust [--port DEV] [--baud N] [--trace FILE] FILE.dat\n\n"
                 "Writes the factory adjustment values of FILE.dat into the radio and\n"
                 "prints \"Write successfully\".\n\nOptions:\n") +
         kLinkOptions + kExitText,
     [](const std::vector<std::string>& a) {
         return RunService(a, "write-adjust", nullptr, WriteAdjustment);
     }}};

}  // namespace

}  // namespace dpmr::cli

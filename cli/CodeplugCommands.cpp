// dpmrtool export, import and diff: the whole radio file as a readable YAML
// codeplug, the file built back from one, and what differs between two files
// as a user sees it.
#include <iostream>
#include <string>
#include <vector>

#include "ArgParser.h"
#include "Command.h"
#include "CsvFiles.h"
#include "FileError.h"
#include "config/AppSettings.h"
#include "image/Document.h"
#include "interchange/CodeplugDiff.h"
#include "interchange/CodeplugYaml.h"
#include "util/FileIo.h"

namespace dpmr::cli {

namespace {

std::optional<std::string> OutputOption(const ArgParser& p) {
    auto out = p.Value("-o");
    if (!out) out = p.Value("--output");
    return out;
}

int RunExport(const std::vector<std::string>& args) {
    ArgParser p({"-o", "--output"}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 1)
        return UsageError("usage: dpmrtool export FILE.dat [-o OUT.yaml]");
    RadioImage image;
    if (Status s = LoadExactImageFile(p.Positional()[0], image); !s) return FileError(s);
    return WriteCsvOutput(OutputOption(p), CodeplugToYaml(image));
}

int RunImport(const std::vector<std::string>& args) {
    ArgParser p({"-o", "--output"}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    const auto out = OutputOption(p);
    if (p.Positional().size() != 1 || !out)
        return UsageError("usage: dpmrtool import IN.yaml -o FILE.dat");
    const std::string& in = p.Positional()[0];
    std::string text;
    if (Status s = ReadListFile(in, "codeplug", text); !s) return FileError(s);
    RadioImage image;
    std::vector<std::string> corrections;
    if (Status s = CodeplugFromYaml(text, LoadAppSettings(ExecutableFolder()), image, &corrections);
        !s)
        return FileError(Status::Error(in + ": " + s.message()));
    if (Status s = SaveImageFile(*out, image); !s) return FileError(s);
    for (const std::string& line : corrections) std::cerr << in << ": " << line << "\n";
    return kExitOk;
}

int RunDiff(const std::vector<std::string>& args) {
    ArgParser p({}, {"--yaml"});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 2) return UsageError("usage: dpmrtool diff [--yaml] A.dat B.dat");
    RadioImage a, b;
    if (Status s = LoadExactImageFile(p.Positional()[0], a); !s) return FileError(s);
    if (Status s = LoadExactImageFile(p.Positional()[1], b); !s) return FileError(s);
    const std::vector<CodeplugDifference> diffs = DiffCodeplugs(a, b);
    std::cout << (p.Has("--yaml") ? DifferencesAsYaml(diffs) : DifferencesAsText(diffs))
              << std::flush;
    return diffs.empty() ? kExitOk : 1;
}

const RegisterCommand kExport{
    {"export", "write a radio file as a readable YAML codeplug",
     "Usage: dpmrtool export FILE.dat [-o OUT.yaml]\n\n"
     "Prints the whole radio file as YAML (-o writes it to OUT.yaml), to read,\n"
     "edit and keep in version control:\n"
     "  format, program   the layout's version and the program that wrote it\n"
     "  channels          16 entries, every field of the channel dialog by the\n"
     "                    key after \"channelN.\" in 'dpmrtool fields' with the\n"
     "                    text its control shows (tx_contact: Base); \"bytes\",\n"
     "                    the record's 32 bytes, only where the fields would not\n"
     "                    give them back; null: an empty channel\n"
     "  settings          one mapping per settings page, every field by the key\n"
     "                    of 'dpmrtool fields' with the text its control shows\n"
     "                    (the DTMF codes are settings.dtmfcontact.code1..16)\n"
     "  contacts          name, number, type and slot of each listed contact\n"
     "  group_rx_lists    16 lists of contact names\n"
     "  raw               every byte no field owns, as hex runs by address;\n"
     "                    bytes not listed are FF\n"
     "Where a value would not give its bytes back (a number out of range, a code\n"
     "no list has), the bytes are written beside it ({value: .., bytes: ..});\n"
     "contact_bytes keeps a contact list the contact page would store otherwise.\n"
     "Texts another YAML tool would read as a number, a truth value, null or a\n"
     "date (Off, 0000100, 446.006250) are double-quoted, so that they stay texts.\n"
     "'dpmrtool import' gives the same 16384 bytes back, also after a YAML tool\n"
     "such as Python's PyYAML has loaded and written the file again.\n",
     RunExport}};

const RegisterCommand kImport{
    {"import", "build a radio file from a YAML codeplug",
     "Usage: dpmrtool import IN.yaml -o FILE.dat\n\n"
     "Builds the radio file a codeplug of 'dpmrtool export' describes and writes\n"
     "it to FILE.dat. Unchanged, it gives the exported bytes back exactly. A value\n"
     "you changed goes through the rules of its control, as if typed into it and\n"
     "left (option.tot: 95 becomes 90; a list takes one of its entries); beside\n"
     "\"bytes\" the bytes win while the value is the one exported. Changed channel\n"
     "fields are entered into the channel dialog (band, raster, tones, and the\n"
     "controls its channel type greys out), a changed frequency then stored as\n"
     "the channel table stores its row; changed contacts are stored as the\n"
     "contact page stores them. Files of release 0.1.0, with the table's columns\n"
     "and \"record\", are read too. Keys left out stay FF.\n"
     "An unknown key, a value of the wrong type, a text that is no entry of its\n"
     "list, an unknown contact name or a YAML syntax error stops with status 2 and\n"
     "one line \"dpmrtool: IN.yaml: line L, column C: ...\"; no file is written.\n"
     "A value stored other than written is listed on stderr, one a line:\n"
     "  IN.yaml: line L, column C: option.tot: \"125\" stored as 120 (...)\n",
     RunImport}};

const RegisterCommand kDiff{
    {"diff", "list what differs between two radio files",
     "Usage: dpmrtool diff [--yaml] A.dat B.dat\n\n"
     "Lists what differs from A to B as the program shows it, one a line:\n"
     "  channel 3 Tx contact: Base -> Fox\n"
     "  option.tot: 60 -> 90\n"
     "  contact \"Base\": number 0000101 -> 0000102\n"
     "  group rx list 2: Base, Team -> Base\n"
     "then bytes that no value shows: a channel's by its record (\"channel 3\n"
     "record +0x0A: FFFF -> 0000\"), others by address (\"raw 0x0000: 01 -> 02\").\n"
     "--yaml prints a list of {what, from, to} instead.\n"
     "Exit status 0 when the files are equal, 1 when they differ, 2 when one\n"
     "cannot be read.\n",
     RunDiff}};

}  // namespace

}  // namespace dpmr::cli

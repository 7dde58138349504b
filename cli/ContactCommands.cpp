// dpmrtool contacts and grouplists: the dPMR contact list and the group
// receive lists of a radio file as comma-separated text, printed or written
// to a file, and read back from one under the rules of the dPMR pages.
#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "CsvFiles.h"
#include "FileError.h"
#include "dpmr/ContactCsv.h"
#include "dpmr/GroupListCsv.h"
#include "image/Document.h"
#include "util/FileIo.h"

namespace dpmr::cli {

namespace {

struct CsvTable {
    const char* name;
    std::string (*toCsv)(const RadioImage&);
    Status (*import)(RadioImage&, std::string_view);
};

int Import(const CsvTable& table, const std::string& path, const std::string& csvPath) {
    RadioImage image;
    if (Status s = LoadExactImageFile(path, image); !s) return FileError(s);
    std::string text;
    if (Status s = ReadListFile(csvPath, table.name, text); !s) return FileError(s);
    const RadioImage before = image;
    if (Status s = table.import(image, text); !s) return UsageError(csvPath + ": " + s.message());
    if (image == before) return kExitOk;
    if (Status s = SaveImageFile(path, image); !s) return FileError(s);
    return kExitOk;
}

int Export(const CsvTable& table, const std::string& path, const std::optional<std::string>& out) {
    RadioImage image;
    if (Status s = LoadExactImageFile(path, image); !s) return FileError(s);
    return WriteCsvOutput(out, table.toCsv(image));
}

int Run(const CsvTable& table, const std::vector<std::string>& args) {
    CsvCommandArgs a;
    if (int status = ParseCsvCommandArgs(table.name, args, a); status != kExitOk) return status;
    if (a.input) return Import(table, a.file, *a.input);
    return Export(table, a.file, a.output);
}

const CsvTable kContacts{"contacts", ContactsToCsv, ImportContactsCsv};
const CsvTable kGroupLists{"grouplists", GroupListsToCsv, ImportGroupListsCsv};

const RegisterCommand kContactsCommand{
    {"contacts", "print or replace the dPMR contact list as CSV",
     "Usage: dpmrtool contacts FILE.dat [-o OUT.csv | --import IN.csv]\n\n"
     "Prints the contact list as CSV: the header Name,Number,Type, then one row\n"
     "per contact in list order (Type \"Single call\" or \"Group call\"); -o writes\n"
     "it to OUT.csv instead.\n\n"
     "--import replaces the contact list with the rows of IN.csv (same header;\n"
     "fields quoted as in RFC 4180; UTF-8 or ASCII) under the rules of the\n"
     "Contact page: names of 1 to 8 bytes, none twice; numbers of 1 to 7 digits\n"
     "or \"*\", padded to 7 with leading zeros, none twice; 1 to 64 rows. A\n"
     "contact whose number the file lists already keeps its record, so that\n"
     "channels and group lists using it keep pointing at it; new numbers take\n"
     "free records; contacts left out are freed and references to them cleared.\n"
     "The list is stored sorted by name. A bad row stops with status 2, a\n"
     "message naming its line, and the file untouched.\n",
     [](const std::vector<std::string>& args) { return Run(kContacts, args); }}};

const RegisterCommand kGroupListsCommand{
    {"grouplists", "print or set the 16 group receive lists as CSV",
     "Usage: dpmrtool grouplists FILE.dat [-o OUT.csv | --import IN.csv]\n\n"
     "Prints the 16 group receive lists as CSV: the header\n"
     "List,Member1,...,Member8, then one row per list (its number, its members\n"
     "by contact name, empty cells for unused places); -o writes it to OUT.csv.\n\n"
     "--import sets every list that has a row in IN.csv (lists without a row stay\n"
     "as they are): members are named contacts that are group calls, at most 8,\n"
     "each once. A bad row stops with status 2, a message naming its line, and\n"
     "the file untouched.\n",
     [](const std::vector<std::string>& args) { return Run(kGroupLists, args); }}};

}  // namespace

}  // namespace dpmr::cli

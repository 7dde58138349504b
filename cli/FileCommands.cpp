// dpmrtool new and show: make the image of File > New, and print a readable
// summary of a radio file as the channel table shows it.
#include <cstdio>
#include <iostream>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "channels/ChannelRowText.h"
#include "config/AppSettings.h"
#include "document/NewDocument.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "util/DecimalText.h"

namespace dpmr::cli {

namespace {

int RunNew(const std::vector<std::string>& args) {
    ArgParser p({"-o", "--output"}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    auto out = p.Value("-o");
    if (!out) out = p.Value("--output");
    if (!out || !p.Positional().empty()) return UsageError("usage: dpmrtool new -o OUT.dat");
    RadioImage image;
    NewImage(image, ProgramFolder(), BandLimits{});
    if (Status s = SaveImageFile(*out, image); !s) return FileError(s);
    return kExitOk;
}

std::string Mhz(std::uint32_t tensOfHz) {
    return FormatScaled(std::int64_t{tensOfHz} * 10, 6) + " MHz";
}

int RunShow(const std::vector<std::string>& args) {
    ArgParser p({}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 1) return UsageError("usage: dpmrtool show FILE.dat");
    RadioImage image;
    if (Status s = LoadExactImageFile(p.Positional()[0], image); !s) return FileError(s);

    std::cout << "File: " << p.Positional()[0] << "\n";
    if (image.U8(layout::kTableBandLower + 3) == 0xFF) {
        std::cout << "Band: (none)\n";
    } else {
        std::cout << "Band: " << Mhz(image.Bcd4(layout::kTableBandLower)) << " - "
                  << Mhz(image.Bcd4(layout::kTableBandUpper)) << "\n";
    }
    std::cout << "\n";
    std::printf("%3s  %-11s %-11s %-7s %-7s %-5s %-4s %-9s %s\n", "No", "Rx Freq", "Tx Freq",
                "Rx Tone", "Tx Tone", "Power", "Scan", "Bandwidth", "Channel type");
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const ChannelRowTexts row = ChannelRowFromImage(image, n);
        if (row[0].empty()) {
            std::printf("%3d  (empty)\n", n);
            continue;
        }
        std::printf("%3d  %-11s %-11s %-7s %-7s %-5s %-4s %-9s %s\n", n, row[0].c_str(),
                    row[1].c_str(), row[2].c_str(), row[3].c_str(), row[4].c_str(), row[5].c_str(),
                    row[6].c_str(), row[7].c_str());
    }
    std::fflush(stdout);
    return kExitOk;
}

const RegisterCommand kNew{{"new", "write the image of File > New to a file",
                            "Usage: dpmrtool new -o OUT.dat\n\n"
                            "Writes a new radio file: \"Default.dat\" of the program folder when\n"
                            "there is one (beside dpmrtool, or PREFIX/share/dpmrcps/ once\n"
                            "installed), else the built-in defaults.\n",
                            RunNew}};

const RegisterCommand kShow{{"show", "print the band and the 16 channels of a file",
                             "Usage: dpmrtool show FILE.dat\n\n"
                             "Prints the band and the 16 channels as the channel table shows\n"
                             "them: Rx/Tx frequency, tones, power, scan, bandwidth, type.\n",
                             RunShow}};

}  // namespace

}  // namespace dpmr::cli

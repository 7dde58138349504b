// The plain driver that `make test` runs each fuzz target with: every file
// of the folders (or the files) named on the command line, in name order,
// fed once to the target's LLVMFuzzerTestOneInput. It needs no libFuzzer, so
// the checking build (gcc, sanitizers, assertions) replays the kept inputs.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TargetSupport.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER_OR_FILE ...\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int k = 1; k < argc; ++k) {
        const fs::path at = argv[k];
        std::error_code error;
        if (fs::is_directory(at, error)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(at))
                if (entry.is_regular_file()) inputs.push_back(entry.path());
        } else if (fs::is_regular_file(at, error)) {
            inputs.push_back(at);
        } else {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[k]);
            return 2;
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 2;
    }
    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
            return 2;
        }
        // Named before the run, so that a report that stops the program
        // says which input it came from.
        std::fprintf(stderr, "replaying %s\n", path.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}

// Codeplug benchmark: export to YAML and import back for N images (random
// ones, which carry bytes beside most values, and the demo codeplug, which
// is mostly plain values), with the YAML's size and whether every image came
// back byte for byte. Prints figures only. Usage: bench_codeplug [N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ProjectPaths.h"
#include "config/AppSettings.h"
#include "image/Document.h"
#include "interchange/CodeplugDiff.h"
#include "interchange/CodeplugYaml.h"

namespace {

using namespace dpmr;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Run(const char* name, const std::vector<RadioImage>& images, const AppSettings& settings) {
    double exportMs = 0, importMs = 0, diffMs = 0;
    std::size_t yamlBytes = 0;
    int same = 0;
    for (const RadioImage& image : images) {
        auto start = Clock::now();
        const std::string yaml = CodeplugToYaml(image);
        exportMs += MsSince(start);
        yamlBytes += yaml.size();
        RadioImage back;
        start = Clock::now();
        const bool ok = CodeplugFromYaml(yaml, settings, back).ok();
        importMs += MsSince(start);
        if (ok && back == image) ++same;
        start = Clock::now();
        DiffCodeplugs(images.front(), image);
        diffMs += MsSince(start);
    }
    const double n = static_cast<double>(images.size());
    std::printf(
        "%-14s %5zu images  export %7.2f ms  import %7.2f ms  diff %7.2f ms  (per image)"
        "  yaml %6.0f bytes  round trip %d/%zu\n",
        name, images.size(), exportMs / n, importMs / n, diffMs / n,
        static_cast<double>(yamlBytes) / n, same, images.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const AppSettings settings = LoadAppSettings(ExecutableFolder());

    std::mt19937 random(4242);  // fixed start: the same images every run
    std::vector<RadioImage> randomImages(static_cast<std::size_t>(count));
    for (RadioImage& image : randomImages)
        for (std::size_t k = 0; k < RadioImage::kSize; ++k)
            image.SetU8(k, static_cast<std::uint8_t>(random()));
    Run("random", randomImages, settings);

    RadioImage demo;
    if (LoadImageFile(SourceDir() + "/res/pmr446-demo.dat", demo).ok())
        Run("demo codeplug", std::vector<RadioImage>(static_cast<std::size_t>(count), demo),
            settings);
    return 0;
}

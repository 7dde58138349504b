// What the fuzz targets share: the entry point that libFuzzer calls (and the
// replay driver of `make test`), the radio files and settings an input runs
// against, and the checks that stop a run on a broken promise of the code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/AppSettings.h"
#include "image/RadioImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace dpmr::fuzz {

// The settings of the Program.ini that ships with the programs (its band
// list), read once from the source folder, so that a run never depends on
// the copy beside the programs.
const AppSettings& ShippedSettings();

// The demo codeplug with a few contacts (single and group calls) and group
// receive lists added: a file to import over, whose lists an import keeps,
// changes or empties.
const RadioImage& DemoImage();

// The input as text, byte for byte.
inline std::string_view InputText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A radio file opened from the input: its bytes from address 0, the rest of
// the 16384 taken from the demo codeplug, so that a short input still has a
// band, contacts and settings behind what it changes.
RadioImage ImageFromInput(const std::uint8_t* data, std::size_t size);

// Stops the run with `what` on stderr when a promise of the code is broken;
// libFuzzer keeps the input as a crash and the replay fails.
void Expect(bool holds, const char* what);
// The same for two images that must be equal; the report lists the first
// addresses that differ.
void ExpectSameImage(const RadioImage& expected, const RadioImage& actual, const char* what);

}  // namespace dpmr::fuzz

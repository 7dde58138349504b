// DemoCodeplug: the demo codeplug shipped with the program, as an image, or
// copied into a fresh folder as the file a dpmrtool test works on.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ProjectPaths.h"
#include "image/Document.h"
#include "support/TempDir.h"

namespace dpmr::test {

inline RadioImage DemoImage() {
    RadioImage image;
    EXPECT_TRUE(LoadImageFile(SourceDir() + "/res/pmr446-demo.dat", image).ok());
    return image;
}

class DemoFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(SourceDir() + "/res/pmr446-demo.dat", file_);
    }
    // Writes `text` to `name` in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_.File(name), std::ios::binary) << text;
        return dir_.File(name);
    }

    TempDir dir_;
    const std::string file_ = dir_.File("radio.dat");
};

}  // namespace dpmr::test

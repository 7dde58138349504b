// The demo configuration shipped with the program is exactly what its builder
// makes: a change to one without the other is caught here.
#include <gtest/gtest.h>

#include "ProjectPaths.h"
#include "image/Document.h"
#include "link/SampleCodeplug.h"

namespace dpmr::test {
namespace {

TEST(SampleCodeplug, ShippedFileIsWhatTheBuilderMakes) {
    RadioImage shipped;
    std::string path = SourceDir() + "/res/";
    path += kSampleCodeplugFileName;
    ASSERT_TRUE(LoadImageFile(path, shipped).ok()) << path;
    EXPECT_EQ(shipped, BuildSampleCodeplug());
}

}  // namespace
}  // namespace dpmr::test

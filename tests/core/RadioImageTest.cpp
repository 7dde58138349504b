#include <gtest/gtest.h>
#include "image/RadioImage.h"
TEST(Smoke, Size) { EXPECT_EQ(dpmr::RadioImage::kSize, 16384u); }

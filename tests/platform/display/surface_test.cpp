// Client surfaces: size and initial pixels.
#include <gtest/gtest.h>

#include "platform/display/display.h"

namespace lumenbox::display {
namespace {

TEST(SurfaceTest, StartsBlackWithItsSize) {
    Surface surface(3, 2);
    EXPECT_EQ(surface.Width(), 3);
    EXPECT_EQ(surface.Height(), 2);
    std::lock_guard lock(surface.Mutex());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(surface.Pixels()[i], 0u) << "pixel " << i;
}

TEST(SurfaceTest, NegativeSizesBecomeEmpty) {
    Surface wide(-5, 4);
    EXPECT_EQ(wide.Width(), 0);
    EXPECT_EQ(wide.Height(), 4);
    Surface tall(4, -5);
    EXPECT_EQ(tall.Width(), 4);
    EXPECT_EQ(tall.Height(), 0);
}

}  // namespace
}  // namespace lumenbox::display

// Choosing and setting pixel formats, and the refusals around them.
#include <cstring>

#include "gl_fixture.h"

namespace lumenbox::win::testing {
namespace {

using PixelFormat = GlTest;

TEST_F(PixelFormat, WindowAndBitmapRequestsGetTheirOwnFormats) {
    const PIXELFORMATDESCRIPTOR window = WindowRequest();
    const PIXELFORMATDESCRIPTOR canvas = BitmapRequest(8);
    EXPECT_EQ(ChoosePixelFormat(dc_, &window), 1);
    EXPECT_EQ(ChoosePixelFormat(dc_, &canvas), 2);
}

TEST_F(PixelFormat, ChoosingIsRefusedWithoutDcDescriptorOrOpenGL) {
    const PIXELFORMATDESCRIPTOR pfd = WindowRequest();
    EXPECT_EQ(ChoosePixelFormat(dc_, nullptr), 0);
    EXPECT_EQ(ChoosePixelFormat(nullptr, &pfd), 0);
    EXPECT_EQ(ChoosePixelFormat(reinterpret_cast<HDC>(std::uintptr_t{0x5150}), &pfd), 0);
    display::headless::SetOpenGLAvailable(false);
    EXPECT_EQ(ChoosePixelFormat(dc_, &pfd), 0);
}

TEST_F(PixelFormat, SetOnceAndReadBackWithTheDescriptorAskedFor) {
    const PIXELFORMATDESCRIPTOR canvas = BitmapRequest(4);
    EXPECT_EQ(GetPixelFormat(dc_), 0);
    EXPECT_EQ(probe::PixelFormatOf(dc_), std::nullopt);
    ASSERT_EQ(SetPixelFormat(dc_, 2, &canvas), TRUE);
    EXPECT_EQ(GetPixelFormat(dc_), 2);
    const auto recorded = probe::PixelFormatOf(dc_);
    ASSERT_TRUE(recorded.has_value());
    EXPECT_EQ(std::memcmp(&*recorded, &canvas, sizeof canvas), 0);

    const PIXELFORMATDESCRIPTOR window = WindowRequest();
    EXPECT_EQ(SetPixelFormat(dc_, 1, &window), FALSE);  // a DC's format is set once
    EXPECT_EQ(SetPixelFormat(dc_, 2, &canvas), FALSE);
    EXPECT_EQ(GetPixelFormat(dc_), 2);
    EXPECT_EQ(probe::PixelFormatOf(dc_)->cColorBits, 4);
    EXPECT_EQ(GetPixelFormat(otherDc_), 0);  // the other DC is untouched
}

TEST_F(PixelFormat, SettingIsRefusedForBadDcOrFormat) {
    const PIXELFORMATDESCRIPTOR pfd = WindowRequest();
    EXPECT_EQ(SetPixelFormat(dc_, 0, &pfd), FALSE);
    EXPECT_EQ(SetPixelFormat(dc_, 3, &pfd), FALSE);
    EXPECT_EQ(SetPixelFormat(dc_, -1, &pfd), FALSE);
    EXPECT_EQ(SetPixelFormat(nullptr, 1, &pfd), FALSE);
    EXPECT_EQ(SetPixelFormat(reinterpret_cast<HDC>(GetStockObject(WHITE_BRUSH)), 1, &pfd), FALSE);
    EXPECT_EQ(GetPixelFormat(dc_), 0);
    EXPECT_EQ(GetPixelFormat(nullptr), 0);
}

TEST_F(PixelFormat, FormatWithoutDescriptorIsKeptWithoutOne) {
    ASSERT_EQ(SetPixelFormat(dc_, 1, nullptr), TRUE);
    EXPECT_EQ(GetPixelFormat(dc_), 1);
    EXPECT_EQ(probe::PixelFormatOf(dc_), std::nullopt);
}

TEST_F(PixelFormat, GoesWithItsDc) {
    const PIXELFORMATDESCRIPTOR pfd = WindowRequest();
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_EQ(SetPixelFormat(dc, 1, &pfd), TRUE);
    ASSERT_EQ(DeleteDC(dc), TRUE);
    EXPECT_EQ(GetPixelFormat(dc), 0);
    EXPECT_EQ(probe::PixelFormatOf(dc), std::nullopt);
    EXPECT_EQ(SetPixelFormat(dc, 1, &pfd), FALSE);
    // A DC made afterwards, perhaps in the same slot, starts without a format.
    HDC next = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetPixelFormat(next), 0);
    EXPECT_EQ(SetPixelFormat(next, 2, &pfd), TRUE);
    DeleteDC(next);
}

}  // namespace
}  // namespace lumenbox::win::testing

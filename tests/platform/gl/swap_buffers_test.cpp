// SwapBuffers and what a context on a memory DC does with its bitmap: the
// bitmap's picture is in the framebuffer when the context becomes current,
// and the pixels OpenGL changed go back into it, indices kept where nothing
// changed.
#include <GL/gl.h>

#include <array>
#include <string>
#include <thread>

#include "gl_fixture.h"

namespace lumenbox::win::testing {
namespace {

constexpr int kWidth = 8;
constexpr int kHeight = 4;

// An 8 x 4 8-bit DIB section, top-down; entries 1 and 2 share a colour.
class BitmapContext : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 8;
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biClrUsed = 4;
        info.bmiColors[0] = RGBQUAD{0, 0, 0, 0};
        info.bmiColors[1] = RGBQUAD{30, 20, 10, 0};  // blue, green, red
        info.bmiColors[2] = RGBQUAD{30, 20, 10, 0};
        info.bmiColors[3] = RGBQUAD{0, 0, 250, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap_, nullptr);
        pixels_ = static_cast<std::uint8_t*>(bits);
        stock_ = SelectObject(dc_, bitmap_);
        const PIXELFORMATDESCRIPTOR pfd = BitmapRequest(8);
        ASSERT_EQ(SetPixelFormat(dc_, ChoosePixelFormat(dc_, &pfd), &pfd), TRUE);
        context_ = wglCreateContext(dc_);
        ASSERT_NE(context_, nullptr);
    }
    void TearDown() override {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_);
        SelectObject(dc_, stock_);
        DeleteObject(bitmap_);
        GlTest::TearDown();
    }

    // Row y as index digits.
    std::string Row(int y) const {
        std::string row;
        for (int x = 0; x < kWidth; ++x) row += static_cast<char>('0' + pixels_[y * kWidth + x]);
        return row;
    }
    void SetRow(int y, const char* digits) {
        for (int x = 0; x < kWidth; ++x) pixels_[y * kWidth + x] = static_cast<std::uint8_t>(digits[x] - '0');
    }

    HBITMAP bitmap_ = nullptr;
    HGDIOBJ stock_ = nullptr;
    std::uint8_t* pixels_ = nullptr;
    HGLRC context_ = nullptr;
};

TEST_F(BitmapContext, TheBitmapIsInTheFramebufferWhenTheContextBecomesCurrent) {
    SetRow(0, "31000002");
    ASSERT_EQ(wglMakeCurrent(dc_, context_), TRUE);
    // OpenGL's bottom row is the bitmap's last; its top row (y = 3) is row 0.
    std::array<GLubyte, kWidth * 4> top{};
    glReadPixels(0, kHeight - 1, kWidth, 1, GL_RGBA, GL_UNSIGNED_BYTE, top.data());
    EXPECT_EQ(top[0], 250);  // entry 3: red
    EXPECT_EQ(top[4 * 1 + 0], 10);  // entry 1
    EXPECT_EQ(top[4 * 1 + 1], 20);
    EXPECT_EQ(top[4 * 1 + 2], 30);
    EXPECT_EQ(top[4 * 7 + 2], 30);  // entry 2, the same colour
    EXPECT_EQ(top[4 * 2 + 0], 0);
}

TEST_F(BitmapContext, ChangedPixelsBecomeNearestEntriesAndTheRestKeepTheirIndex) {
    SetRow(0, "21212121");
    SetRow(1, "21212121");
    SetRow(2, "12121212");
    SetRow(3, "33333333");
    ASSERT_EQ(wglMakeCurrent(dc_, context_), TRUE);
    // A dark red, nearest to entry 1 (the lowest of the two equals), over
    // the left half of the top two rows (OpenGL rows 2 and 3).
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 2, 4, 2);
    glClearColor(12 / 255.0F, 18 / 255.0F, 33 / 255.0F, 1.0F);
    glClear(GL_COLOR_BUFFER_BIT);
    // And black over the right half of the bottom row.
    glScissor(4, 0, 4, 1);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(SwapBuffers(dc_), TRUE);
    EXPECT_EQ(Row(0), "11112121");
    EXPECT_EQ(Row(1), "11112121");
    EXPECT_EQ(Row(2), "12121212");
    EXPECT_EQ(Row(3), "33330000");
}

TEST_F(BitmapContext, ASecondSwapWritesOnlyWhatChangedSinceTheFirst) {
    SetRow(0, "00000000");
    ASSERT_EQ(wglMakeCurrent(dc_, context_), TRUE);
    glClearColor(250 / 255.0F, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    ASSERT_EQ(SwapBuffers(dc_), TRUE);
    EXPECT_EQ(Row(0), "33333333");
    // GDI's own change to the bitmap, which OpenGL does not overwrite.
    pixels_[0] = 2;
    ASSERT_EQ(SwapBuffers(dc_), TRUE);
    EXPECT_EQ(Row(0), "23333333");
}

TEST_F(BitmapContext, RefusesDcsWithoutTheirContextCurrentHere) {
    EXPECT_EQ(SwapBuffers(dc_), FALSE);  // nothing current
    ASSERT_EQ(wglMakeCurrent(dc_, context_), TRUE);
    EXPECT_EQ(SwapBuffers(otherDc_), FALSE);
    EXPECT_EQ(SwapBuffers(nullptr), FALSE);
    EXPECT_EQ(SwapBuffers(reinterpret_cast<HDC>(std::uintptr_t{0xdead})), FALSE);
    BOOL elsewhere = TRUE;
    std::thread([&] { elsewhere = SwapBuffers(dc_); }).join();
    EXPECT_EQ(elsewhere, FALSE);
    EXPECT_EQ(SwapBuffers(dc_), TRUE);
}

TEST_F(BitmapContext, ADcWithoutBitmapHasNothingToSwapTo) {
    const PIXELFORMATDESCRIPTOR pfd = BitmapRequest(8);
    ASSERT_EQ(SetPixelFormat(otherDc_, ChoosePixelFormat(otherDc_, &pfd), &pfd), TRUE);
    HGLRC bare = wglCreateContext(otherDc_);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(wglMakeCurrent(otherDc_, bare), TRUE);
    EXPECT_EQ(SwapBuffers(otherDc_), FALSE);
    EXPECT_EQ(wglDeleteContext(bare), TRUE);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST_F(BitmapContext, AThreadThatEndsWithTheContextCurrentGivesItBack) {
    BOOL made = FALSE;
    std::thread([&] { made = wglMakeCurrent(dc_, context_); }).join();
    EXPECT_EQ(made, TRUE);
    EXPECT_EQ(wglMakeCurrent(dc_, context_), TRUE);
    glClearColor(250 / 255.0F, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(SwapBuffers(dc_), TRUE);
    EXPECT_EQ(Row(2), "33333333");
}

}  // namespace
}  // namespace lumenbox::win::testing

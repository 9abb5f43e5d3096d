// What the text calls refuse: DCs that are not, counts that cannot be, and
// missing records; and what they accept without drawing.
#include <climits>
#include <cstring>

#include "text_test_support.h"

namespace lumenbox::win {
namespace {

using testing::CoverageOf;
using testing::DibCanvas;
using testing::ForeignHandle;

TEST(TextRefusal, EveryTextCallRefusesABadDc) {
    const HDC deleted = CreateCompatibleDC(nullptr);
    DeleteDC(deleted);
    HBRUSH brush = testing::SolidBrush(RGB(1, 2, 3));
    const HDC notADc = reinterpret_cast<HDC>(brush);  // a live object of another kind
    for (const HDC bad : {HDC{nullptr}, deleted, notADc, ForeignHandle<HDC>(detail::HandleTag::User),
                          reinterpret_cast<HDC>(static_cast<std::uintptr_t>(0x12345678))}) {
        EXPECT_FALSE(TextOutA(bad, 0, 0, "Hello", 5));
        EXPECT_FALSE(ExtTextOutA(bad, 0, 0, ETO_OPAQUE, nullptr, "Hello", 5, nullptr));
        SIZE size{-7, -7};
        EXPECT_FALSE(GetTextExtentPoint32A(bad, "Hello", 5, &size));
        EXPECT_EQ(size.cx, -7) << "left as it was";
        TEXTMETRICA metrics{};
        metrics.tmHeight = -7;
        EXPECT_FALSE(GetTextMetricsA(bad, &metrics));
        EXPECT_EQ(metrics.tmHeight, -7);
    }
    DeleteObject(brush);
}

TEST(TextRefusal, CountsThatCannotBeAreRefusedAndDrawNothing) {
    DibCanvas canvas(32, 16, 8, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0)});
    SetTextColor(canvas.dc(), PALETTEINDEX(1));
    SetBkColor(canvas.dc(), PALETTEINDEX(2));
    SetBkMode(canvas.dc(), OPAQUE);
    const RECT rect{0, 0, 32, 16};
    EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, "Hello", -1));
    EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, "Hello", INT_MIN));
    EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, nullptr, 3));
    EXPECT_FALSE(ExtTextOutA(canvas.dc(), 0, 0, ETO_OPAQUE, &rect, "Hello", static_cast<UINT>(-1), nullptr));
    EXPECT_FALSE(ExtTextOutA(canvas.dc(), 0, 0, ETO_OPAQUE, &rect, nullptr, 3, nullptr));
    SIZE size{};
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), "Hello", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), nullptr, 2, &size));
    EXPECT_EQ(CoverageOf(canvas, 32, 16, 0).pixels, 32 * 16) << "nothing drawn by a refused call";
}

TEST(TextRefusal, NoTextIsNothingToDrawButNoError) {
    DibCanvas canvas(32, 16, 8, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0)});
    SetBkColor(canvas.dc(), PALETTEINDEX(2));
    SetBkMode(canvas.dc(), OPAQUE);
    EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, nullptr, 0));
    EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, "Hello", 0));
    EXPECT_EQ(CoverageOf(canvas, 32, 16, 0).pixels, 32 * 16) << "an empty string has an empty cell";
    SIZE size{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32A(canvas.dc(), nullptr, 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 16);
}

TEST(TextRefusal, MissingRecordsAreRefused) {
    DibCanvas canvas(8, 8, 8);
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), "Hello", 5, nullptr));
    EXPECT_FALSE(GetTextMetricsA(canvas.dc(), nullptr));
}

TEST(TextRefusal, TheScreenDcAcceptsTextAndKeepsNone) {
    const HDC screen = detail::CreateScreenDC(display::ScreenInfo{});
    ASSERT_NE(screen, nullptr);
    const RECT rect{0, 0, 100, 100};
    EXPECT_TRUE(TextOutA(screen, 10, 10, "Hello", 5));
    EXPECT_TRUE(ExtTextOutA(screen, 10, 10, ETO_OPAQUE | ETO_CLIPPED, &rect, "Hello", 5, nullptr));
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32A(screen, "Hello", 5, &size));
    EXPECT_GT(size.cx, 0);
    EXPECT_TRUE(detail::DestroySurfaceDC(screen));
}

}  // namespace
}  // namespace lumenbox::win

// Shared set-up of the drawing tests: a fresh headless screen, a window of
// the kind under test, and ways to look at the canvas and at the window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "support/test_window.h"

namespace lumenbox::drawing_tests {

namespace headless = display::headless;

using test_support::DirectKind;
using test_support::PaletteKind;
using test_support::SixteenColourKind;
using test_support::Status;
using test_support::TwoColourKind;
inline constexpr std::int16_t Size640x480 = 4;


// Opens a 640 x 480 window of the kind; fails the test unless it is ready.
inline void OpenWindow(std::int16_t kind) {
    ASSERT_NO_FATAL_FAILURE(lumenbox::test_support::OpenTestWindow(kind, Size640x480, "drawing"));
    ASSERT_EQ(Status(), StatusOk);
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override { headless::Reset(); }
    void TearDown() override { lumenbox::test_support::CloseTestWindow(); }
};

// A window of one kind, open for the whole test.
template <std::int16_t Kind>
class OpenWindowTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        OpenWindow(Kind);
    }
};

using PaletteWindowTest = OpenWindowTest<PaletteKind>;
using DirectWindowTest = OpenWindowTest<DirectKind>;

// 0x00RRGGBB, the form in which the display reads the window back.
inline std::uint32_t Rgb(win::COLORREF colour) {
    return (std::uint32_t{win::GetRValue(colour)} << 16) | (std::uint32_t{win::GetGValue(colour)} << 8) |
           win::GetBValue(colour);
}

inline std::uint32_t CanvasRgb(int x, int y) { return Rgb(win::GetPixel(GraphState.CanvasDC, x, y)); }

inline std::optional<std::uint32_t> WindowRgb(int x, int y) {
    return headless::ClientPixel(headless::IdOf(GraphState.GraphWindow.load()), x, y);
}

inline win::PALETTEENTRY PaletteEntry(unsigned index) {
    win::PALETTEENTRY entry{};
    win::GetPaletteEntries(GraphState.GraphPalette, index, 1, &entry);
    return entry;
}

inline std::array<int, 3> Components(const win::PALETTEENTRY& entry) {
    return {entry.peRed, entry.peGreen, entry.peBlue};
}

inline std::string Hex(std::uint32_t value) {
    std::ostringstream text;
    text << std::hex << std::uppercase << value;
    return text.str();
}

// Every pixel of the device rectangle (right and bottom exclusive) where
// the window does not show the canvas's colour, one line each.
inline std::string WindowCanvasDifferences(int left, int top, int right, int bottom) {
    std::ostringstream differences;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const std::uint32_t canvas = CanvasRgb(x, y);
            const std::optional<std::uint32_t> window = WindowRgb(x, y);
            if (window == canvas) continue;
            differences << "(" << x << ", " << y << ") window " << (window ? Hex(*window) : "none")
                        << " canvas " << Hex(canvas) << "\n";
        }
    }
    return differences.str();
}

}  // namespace lumenbox::drawing_tests

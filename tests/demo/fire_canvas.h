// The fire's canvas as the tests set it up and read it: cells whose centres
// lie 4 pixels apart, painted and read through the library as vyr does.
#pragma once

#include <cstdint>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

#include "demo/fire.h"
#include "support/test_window.h"

namespace lumenbox::firetest {

namespace headless = lumenbox::display::headless;

// The window vyr opens, with the fire palette and a black (index 0) canvas.
inline void OpenFireWindow() {
    headless::Reset();
    ASSERT_NO_FATAL_FAILURE(test_support::OpenTestWindow(3, 4, "fire test"));
    LoadFirePalette();
    SetFillMode(1, 0);
    FillBar(0, 0, 639, 479);
}

inline void CloseFireWindow() { test_support::CloseTestWindow(); }

// The 5 x 5 block of cell (x, y) in palette entry `index`.
inline void PaintCell(int x, int y, std::uint32_t index) {
    SetFillMode(1, index);
    FillBar(static_cast<std::int16_t>(4 * x - 2), static_cast<std::int16_t>(4 * y - 2),
            static_cast<std::int16_t>(4 * x + 2), static_cast<std::int16_t>(4 * y + 2));
}

// The palette index that the cell's centre reads back as.
inline std::uint32_t CellIndex(int x, int y) {
    return ReadPixel(static_cast<std::int16_t>(4 * x), static_cast<std::int16_t>(4 * y));
}

}  // namespace lumenbox::firetest

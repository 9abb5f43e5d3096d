// A graphics window for a test, and its closing whatever the test left behind.
#pragma once

#include <cstdint>
#include <string_view>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

namespace lumenbox::test_support {

// The window kinds the tests open: palettes of 2, 16 and 256 entries, and
// direct colour.
inline constexpr std::int16_t TwoColourKind = 1;
inline constexpr std::int16_t SixteenColourKind = 2;
inline constexpr std::int16_t PaletteKind = 3;
inline constexpr std::int16_t DirectKind = 9;

inline std::int16_t Status() { return GraphState.GraphStatus.load(); }

// Opens a window on the headless display as the test has set it up; fails
// the test unless the window is open.
inline void OpenTestWindow(std::int16_t kind, std::int16_t size, std::string_view caption) {
    OpenGraphics(kind, size, caption);
    ASSERT_TRUE(IsGraphOpen()) << "status " << GraphState.GraphStatus.load();
}

inline void CloseTestWindow() {
    if (IsGraphOpen()) CloseGraphics();
}

}  // namespace lumenbox::test_support

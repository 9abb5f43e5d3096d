// A 256-colour window whose palette has no two equal entries (entry i is
// grey i), so that every pixel reads back as exactly the entry drawn, and
// ways to look at regions of the canvas as small pictures.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {

class DrawingCallsTest : public PaletteWindowTest {
protected:
    void SetUp() override {
        PaletteWindowTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        PaletteRecord greys{};
        greys.Count = 256;
        for (std::uint32_t i = 0; i < 256; ++i) greys.Colors[i] = win::RGB(i, i, i);
        ReplacePalette(greys);
        SetBackgroundColor(0);
        SetDrawColor(1);
        ASSERT_EQ(Status(), StatusOk);
    }
};

// The canvas between the corners (inclusive, view-area coordinates), a row a
// line: '.' for entry 0, the digit for entries 1 to 9, '#' for the others.
inline std::string Picture(int x1, int y1, int x2, int y2) {
    std::string text;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            const std::uint32_t value = ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
            text += value == 0 ? '.' : value < 10 ? static_cast<char>('0' + value) : '#';
        }
        text += '\n';
    }
    return text;
}

// How many pixels of the region (inclusive corners) read `value`.
inline int CountOf(std::uint32_t value, int x1, int y1, int x2, int y2) {
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            count += ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) == value;
    return count;
}

// The bounding box of the pixels of the region that are not `value`.
struct Bounds {
    int left = INT32_MAX;
    int top = INT32_MAX;
    int right = INT32_MIN;
    int bottom = INT32_MIN;
    bool Empty() const { return left > right; }
};

inline Bounds BoundsOfAllBut(std::uint32_t value, int x1, int y1, int x2, int y2) {
    Bounds bounds;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            if (ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) == value) continue;
            bounds.left = std::min(bounds.left, x);
            bounds.right = std::max(bounds.right, x);
            bounds.top = std::min(bounds.top, y);
            bounds.bottom = std::max(bounds.bottom, y);
        }
    }
    return bounds;
}

}  // namespace lumenbox::drawing_tests

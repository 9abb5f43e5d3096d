// A graphics window for a test, and its closing whatever the test left behind.
#pragma once

#include <cstdint>
#include <string_view>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

namespace lumenbox::test_support {

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

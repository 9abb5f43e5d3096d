// A graphics window on the headless display for pointer tests, and reading
// events with a liveness guard: an event that never arrives fails the test
// instead of hanging it in NextPointerEvent.
#pragma once

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/pointer.h>

#include "support/test_window.h"

namespace lumenbox::pointertest {

namespace headless = lumenbox::display::headless;

// The 256-colour 640 x 480 window, every key and button up.
inline void OpenPointerWindow() {
    headless::Reset();
    ASSERT_NO_FATAL_FAILURE(test_support::OpenTestWindow(3, 4, "pointer"));
    ASSERT_TRUE(headless::IsActive()) << "the tests run on the headless display";
}

inline void ClosePointerWindow() { test_support::CloseTestWindow(); }

inline headless::WindowId Window() { return headless::IdOf(GraphState.GraphWindow.load()); }

// Long enough for any machine and sanitizer; only a lost event runs into it.
inline constexpr std::chrono::seconds ArrivalLimit{20};

inline std::optional<PointerEvent> AwaitEvent() {
    const auto deadline = std::chrono::steady_clock::now() + ArrivalLimit;
    while (!PointerEventWaiting()) {
        if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return NextPointerEvent();
}

// The marker: a wheel turn of this many notches at a corner of the window.
// The window thread handles messages in order, so once it arrives, all that
// was done before it has been handled.
inline constexpr int MarkerNotches = 7;
inline constexpr int MarkerX = 630;
inline constexpr int MarkerY = 470;

inline void SendMarker() {
    headless::MovePointer(Window(), MarkerX, MarkerY);
    headless::TurnWheel(MarkerNotches);
}

// The events queued before the marker.
inline std::vector<PointerEvent> EventsUntilMarker() {
    SendMarker();
    std::vector<PointerEvent> events;
    for (;;) {
        const std::optional<PointerEvent> event = AwaitEvent();
        if (!event) {
            ADD_FAILURE() << "the marker never arrived; " << events.size() << " events so far";
            return events;
        }
        if (event->Kind == PointerWheel && event->Wheel == MarkerNotches) return events;
        events.push_back(*event);
    }
}

// Waits until the window thread has handled everything sent so far.
inline void Settle() { EXPECT_TRUE(EventsUntilMarker().empty()); }

}  // namespace lumenbox::pointertest

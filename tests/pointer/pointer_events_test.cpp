// Mouse input through the headless display, the user layer's mouse messages
// and the pointer unit: positions, buttons, double clicks, the wheel, the
// capture and the modifiers.
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/win/user.h>

#include "pointer/pointer_test_window.h"

namespace lumenbox::pointertest {
namespace {

class PointerEventsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(OpenPointerWindow()); }
    void TearDown() override { ClosePointerWindow(); }

    static void Click(int x, int y, int button = PointerLeft) {
        headless::MovePointer(Window(), x, y);
        headless::PressButton(button);
        headless::ReleaseButton(button);
    }
};

struct Expected {
    std::uint8_t kind;
    std::uint8_t button;
    std::int16_t x;
    std::int16_t y;
};

void ExpectEvents(const std::vector<PointerEvent>& got, const std::vector<Expected>& expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].Kind, expected[i].kind) << "event " << i;
        EXPECT_EQ(got[i].Button, expected[i].button) << "event " << i;
        EXPECT_EQ(got[i].X, expected[i].x) << "event " << i;
        EXPECT_EQ(got[i].Y, expected[i].y) << "event " << i;
    }
}

TEST_F(PointerEventsTest, PositionFollowsThePointerAndMovesAreNotQueued) {
    headless::MovePointer(Window(), 10, 20);
    headless::MovePointer(Window(), 11, 21);
    headless::MovePointer(Window(), 12, 22);
    headless::MovePointer(Window(), 5, 7);
    Settle();
    headless::MovePointer(Window(), 123, 45);
    Settle();
    // The marker moves the pointer; position it once more and look.
    headless::MovePointer(Window(), 123, 45);
    headless::TurnWheel(MarkerNotches);
    ASSERT_TRUE(AwaitEvent().has_value());
    EXPECT_EQ(PointerX(), 123);
    EXPECT_EQ(PointerY(), 45);
}

TEST_F(PointerEventsTest, ButtonsComeInPairsWithTheirPositions) {
    headless::MovePointer(Window(), 10, 20);
    headless::PressButton(PointerLeft);
    headless::MovePointer(Window(), 30, 40);
    headless::PressButton(PointerRight);
    headless::ReleaseButton(PointerLeft);
    headless::MovePointer(Window(), 50, 60);
    headless::PressButton(PointerMiddle);
    headless::ReleaseButton(PointerMiddle);
    headless::ReleaseButton(PointerRight);
    ExpectEvents(EventsUntilMarker(), {{PointerButtonDown, PointerLeft, 10, 20},
                                       {PointerButtonDown, PointerRight, 30, 40},
                                       {PointerButtonUp, PointerLeft, 30, 40},
                                       {PointerButtonDown, PointerMiddle, 50, 60},
                                       {PointerButtonUp, PointerMiddle, 50, 60},
                                       {PointerButtonUp, PointerRight, 50, 60}});
}

TEST_F(PointerEventsTest, HeldButtonsAreReported) {
    headless::MovePointer(Window(), 10, 20);
    headless::PressButton(PointerLeft);
    headless::PressButton(PointerMiddle);
    headless::MovePointer(Window(), 11, 20);
    EventsUntilMarker();
    EXPECT_EQ(PointerButtons(), 1 | 4);
    headless::ReleaseButton(PointerLeft);
    headless::ReleaseButton(PointerMiddle);
    EventsUntilMarker();
    EXPECT_EQ(PointerButtons(), 0);
}

TEST_F(PointerEventsTest, PressingAHeldButtonOrReleasingAFreeOneDoesNothing) {
    headless::MovePointer(Window(), 10, 20);
    headless::ReleaseButton(PointerLeft);
    headless::PressButton(PointerLeft);
    headless::PressButton(PointerLeft);
    headless::ReleaseButton(PointerLeft);
    headless::ReleaseButton(PointerLeft);
    headless::PressButton(0);
    headless::PressButton(4);
    ExpectEvents(EventsUntilMarker(), {{PointerButtonDown, PointerLeft, 10, 20}, {PointerButtonUp, PointerLeft, 10, 20}});
}

TEST_F(PointerEventsTest, ASecondQuickClickInTheBoxIsADoubleClickAndTheThirdIsSingle) {
    Click(100, 100);
    Click(101, 99);  // one pixel off each way: inside the 4 x 4 box
    Click(101, 99);
    ExpectEvents(EventsUntilMarker(), {{PointerButtonDown, PointerLeft, 100, 100},
                                       {PointerButtonUp, PointerLeft, 100, 100},
                                       {PointerDoubleClick, PointerLeft, 101, 99},
                                       {PointerButtonUp, PointerLeft, 101, 99},
                                       {PointerButtonDown, PointerLeft, 101, 99},
                                       {PointerButtonUp, PointerLeft, 101, 99}});
}

TEST_F(PointerEventsTest, ASecondClickOutsideTheBoxOrOfAnotherButtonIsSingle) {
    Click(100, 100);
    Click(102, 100);  // two pixels off: outside
    Click(102, 100, PointerRight);
    ExpectEvents(EventsUntilMarker(), {{PointerButtonDown, PointerLeft, 100, 100},
                                       {PointerButtonUp, PointerLeft, 100, 100},
                                       {PointerButtonDown, PointerLeft, 102, 100},
                                       {PointerButtonUp, PointerLeft, 102, 100},
                                       {PointerButtonDown, PointerRight, 102, 100},
                                       {PointerButtonUp, PointerRight, 102, 100}});
}

TEST_F(PointerEventsTest, TheWheelCountsNotchesAwayFromTheUserAsPositive) {
    headless::MovePointer(Window(), 40, 50);
    headless::TurnWheel(1);
    headless::TurnWheel(-3);
    headless::TurnWheel(0);
    const std::vector<PointerEvent> events = EventsUntilMarker();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].Kind, PointerWheel);
    EXPECT_EQ(events[0].Wheel, 1);
    EXPECT_EQ(events[0].X, 40);
    EXPECT_EQ(events[0].Y, 50);
    EXPECT_EQ(events[1].Wheel, -3);
    EXPECT_EQ(events[1].Button, 0);
}

TEST_F(PointerEventsTest, TheViewAreaOriginIsSubtracted) {
    SetViewArea(100, 50, 300, 200, true);
    headless::MovePointer(Window(), 110, 70);
    headless::PressButton(PointerLeft);
    headless::ReleaseButton(PointerLeft);
    headless::MovePointer(Window(), 20, 10);  // left of and above the area: negative
    headless::TurnWheel(2);
    const std::vector<PointerEvent> events = EventsUntilMarker();
    ExpectEvents({events.begin(), events.begin() + 2},
                 {{PointerButtonDown, PointerLeft, 10, 20}, {PointerButtonUp, PointerLeft, 10, 20}});
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[2].X, -80);
    EXPECT_EQ(events[2].Y, -40);
    headless::MovePointer(Window(), 101, 51);
    headless::TurnWheel(MarkerNotches);
    ASSERT_TRUE(AwaitEvent().has_value());
    EXPECT_EQ(PointerX(), 1);
    EXPECT_EQ(PointerY(), 1);
}

TEST_F(PointerEventsTest, LeavingTheWindowWithoutAButtonLosesThePointer) {
    headless::MovePointer(Window(), 10, 10);
    Settle();
    headless::MovePointer(Window(), -5, 10);
    headless::PressButton(PointerLeft);  // outside: no window hears it
    headless::ReleaseButton(PointerLeft);
    headless::TurnWheel(1);
    // The leaving is a posted message of its own; wait for it to be handled.
    const auto deadline = std::chrono::steady_clock::now() + ArrivalLimit;
    while (PointerX() != -1 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(PointerX(), -1);
    EXPECT_EQ(PointerY(), -1);
    EXPECT_TRUE(EventsUntilMarker().empty());
}

TEST_F(PointerEventsTest, TheCaptureKeepsADragThatLeavesTheWindow) {
    headless::MovePointer(Window(), 600, 10);
    headless::PressButton(PointerLeft);
    ExpectEvents(EventsUntilMarker(), {{PointerButtonDown, PointerLeft, 600, 10}});
    // The marker moved the pointer, with the button held, still inside.
    headless::MovePointer(Window(), 700, -20);
    headless::PressButton(PointerRight);
    headless::ReleaseButton(PointerRight);
    headless::ReleaseButton(PointerLeft);
    const std::vector<PointerEvent> outside = EventsUntilMarker();
    ExpectEvents(outside, {{PointerButtonDown, PointerRight, 700, -20},
                           {PointerButtonUp, PointerRight, 700, -20},
                           {PointerButtonUp, PointerLeft, 700, -20}});
    // All buttons up: the capture is given back, and a click outside is lost.
    headless::MovePointer(Window(), 700, -20);
    headless::PressButton(PointerLeft);
    headless::ReleaseButton(PointerLeft);
    EXPECT_TRUE(EventsUntilMarker().empty());
    EXPECT_EQ(win::GetCapture(), nullptr);
}

TEST_F(PointerEventsTest, ModifiersAreThoseHeldAtTheEvent) {
    headless::MovePointer(Window(), 10, 10);
    headless::PressKey(win::VK_SHIFT);
    headless::PressButton(PointerLeft);
    headless::PressKey(win::VK_CONTROL);
    headless::PressKey(win::VK_MENU);
    headless::ReleaseButton(PointerLeft);
    headless::ReleaseKey(win::VK_SHIFT);
    headless::TurnWheel(1);
    headless::ReleaseKey(win::VK_MENU);
    headless::ReleaseKey(win::VK_CONTROL);
    const std::vector<PointerEvent> events = EventsUntilMarker();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].Modifiers, PointerShift);
    EXPECT_EQ(events[1].Modifiers, PointerShift | PointerCtrl | PointerAlt);
    EXPECT_EQ(events[2].Modifiers, PointerCtrl | PointerAlt);
}

}  // namespace
}  // namespace lumenbox::pointertest

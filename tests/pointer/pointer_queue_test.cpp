// The pointer queue: overflow and its count, emptied on open, and the calls
// without a window and while one closes.
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "pointer/pointer_test_window.h"

namespace lumenbox::pointertest {
namespace {

class PointerQueueTest : public testing::Test {
protected:
    void TearDown() override { ClosePointerWindow(); }
};

// 150 clicks two pixels apart (never a double click): 300 events, so the
// first 44 are dropped and counted.
void ClickAlongARow() {
    for (int i = 0; i < 150; ++i) {
        headless::MovePointer(Window(), 2 * i, 10);
        headless::PressButton(PointerLeft);
        headless::ReleaseButton(PointerLeft);
    }
}

void AwaitDropped(std::uint32_t count) {
    const auto deadline = std::chrono::steady_clock::now() + ArrivalLimit;
    while (PointerEventsDropped() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

TEST_F(PointerQueueTest, AFullQueueDropsItsOldestEventsAndCountsThem) {
    ASSERT_NO_FATAL_FAILURE(OpenPointerWindow());
    ClickAlongARow();
    AwaitDropped(44);
    EXPECT_EQ(PointerEventsDropped(), 44u);
    std::vector<PointerEvent> events;
    while (PointerEventWaiting()) events.push_back(NextPointerEvent());
    ASSERT_EQ(events.size(), PointerQueueCapacity);
    // Event 44 is the press of click 22.
    EXPECT_EQ(events.front().Kind, PointerButtonDown);
    EXPECT_EQ(events.front().X, 44);
    EXPECT_EQ(events.back().Kind, PointerButtonUp);
    EXPECT_EQ(events.back().X, 298);
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].X, 44 + 2 * static_cast<int>(i / 2)) << "event " << i;
    }
    EXPECT_EQ(PointerEventsDropped(), 44u) << "reading does not change the count";
}

TEST_F(PointerQueueTest, OpeningAWindowEmptiesTheQueueAndZeroesTheCount) {
    ASSERT_NO_FATAL_FAILURE(OpenPointerWindow());
    ClickAlongARow();
    AwaitDropped(44);
    ClosePointerWindow();
    EXPECT_FALSE(PointerEventWaiting()) << "no events without a window";
    EXPECT_EQ(NextPointerEvent().Kind, 0);
    ASSERT_NO_FATAL_FAILURE(OpenPointerWindow());
    EXPECT_FALSE(PointerEventWaiting());
    EXPECT_EQ(PointerEventsDropped(), 0u);
    EXPECT_EQ(PointerX(), -1) << "the pointer is nowhere until it moves";
    EXPECT_EQ(PointerButtons(), 0);
}

TEST_F(PointerQueueTest, WithoutAWindowThereIsNothingAndTheStatusStays) {
    ClosePointerWindow();
    GraphState.GraphStatus = StatusOutOfRange;
    EXPECT_FALSE(PointerEventWaiting());
    const PointerEvent none = NextPointerEvent();
    EXPECT_EQ(none.Kind, 0);
    EXPECT_EQ(none.Button, 0);
    EXPECT_EQ(PointerX(), -1);
    EXPECT_EQ(PointerY(), -1);
    EXPECT_EQ(PointerButtons(), 0);
    EXPECT_EQ(GraphState.GraphStatus.load(), StatusOutOfRange);
    GraphState.GraphStatus = StatusOk;
}

TEST_F(PointerQueueTest, AReaderWaitingWhileTheWindowClosesGetsNothing) {
    ASSERT_NO_FATAL_FAILURE(OpenPointerWindow());
    std::atomic<int> kind{-1};
    std::thread reader([&] { kind = NextPointerEvent().Kind; });
    // The reader may start waiting before or after the close; either way it
    // must come back, with nothing.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    CloseGraphics();
    reader.join();
    EXPECT_EQ(kind.load(), 0);
}

TEST_F(PointerQueueTest, AWaitingReaderTakesTheNextEvent) {
    ASSERT_NO_FATAL_FAILURE(OpenPointerWindow());
    std::atomic<int> x{-1};
    std::thread reader([&] { x = NextPointerEvent().X; });
    headless::MovePointer(Window(), 77, 5);
    headless::PressButton(PointerLeft);
    reader.join();
    EXPECT_EQ(x.load(), 77);
}

}  // namespace
}  // namespace lumenbox::pointertest

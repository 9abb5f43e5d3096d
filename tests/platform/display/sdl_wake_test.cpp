// The SDL display thread's sleep: its wake-up signal, and how long it may
// sleep in each state.
#include <gtest/gtest.h>
#include <poll.h>

#include <chrono>
#include <future>
#include <thread>

#include "platform/display/sdl/sdl_wait_plan.h"
#include "platform/display/sdl/sdl_wake_signal.h"

namespace lumenbox::display {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

bool Readable(const SdlWakeSignal& wake, int timeoutMilliseconds = 0) {
    pollfd watched{wake.Fd(), POLLIN, 0};
    return poll(&watched, 1, timeoutMilliseconds) == 1 && (watched.revents & POLLIN) != 0;
}

// ---- The wake-up signal --------------------------------------------------------

TEST(SdlWakeSignal, StartsQuiet) {
    SdlWakeSignal wake;
    ASSERT_TRUE(wake.Usable());
    EXPECT_FALSE(Readable(wake));
}

TEST(SdlWakeSignal, ARaiseWakesAndAClearQuietsAgain) {
    SdlWakeSignal wake;
    wake.Raise();
    EXPECT_TRUE(Readable(wake));
    wake.Clear();
    EXPECT_FALSE(Readable(wake));
}

TEST(SdlWakeSignal, ManyRaisesAreClearedByOneClear) {
    SdlWakeSignal wake;
    for (int i = 0; i < 100; ++i) wake.Raise();
    wake.Clear();
    EXPECT_FALSE(Readable(wake));
}

TEST(SdlWakeSignal, ARaiseAfterAClearWakesAgain) {
    SdlWakeSignal wake;
    wake.Raise();
    wake.Clear();
    wake.Raise();
    EXPECT_TRUE(Readable(wake));
}

TEST(SdlWakeSignal, ASurfaceChangeRaisesIt) {
    SdlWakeSignal wake;
    Surface surface(1, 1);
    {
        std::lock_guard lock(surface.Mutex());
        surface.WatchNextChange(&wake);
        surface.MarkChanged();
    }
    EXPECT_TRUE(Readable(wake));
}

TEST(SdlWakeSignal, ARaiseOnAnotherThreadEndsASleepWithoutEnd) {
    SdlWakeSignal wake;
    std::future<bool> woken = std::async(std::launch::async, [&wake] { return Readable(wake, -1); });
    std::this_thread::sleep_for(milliseconds(20));
    wake.Raise();
    ASSERT_EQ(woken.wait_for(std::chrono::seconds(20)), std::future_status::ready) << "the sleeper was not woken";
    EXPECT_TRUE(woken.get());
}

// ---- How long the thread sleeps --------------------------------------------------

SdlWaitState Hearing(bool pending, std::chrono::steady_clock::duration untilPresentation = {}) {
    SdlWaitState state;
    state.presentationPending = pending;
    state.untilPresentation = untilPresentation;
    state.hearsEverything = true;
    state.anyWindowShown = true;
    return state;
}

TEST(SdlSleep, WithNothingToPresentItSleepsUntilWoken) {
    EXPECT_EQ(SdlSleepMilliseconds(Hearing(false)), -1);
    EXPECT_EQ(SdlSleepMilliseconds(Hearing(false, milliseconds(-5))), -1) << "an unchanged picture is never due";
}

TEST(SdlSleep, AChangeIsPresentedWhenItsTurnComes) {
    EXPECT_EQ(SdlSleepMilliseconds(Hearing(true, milliseconds(10))), 10);
    EXPECT_EQ(SdlSleepMilliseconds(Hearing(true, microseconds(16'667))), 17) << "rounded up, never early";
    EXPECT_EQ(SdlSleepMilliseconds(Hearing(true, microseconds(1))), 1);
}

TEST(SdlSleep, AnOverdueChangeIsPresentedAtOnce) {
    EXPECT_EQ(SdlSleepMilliseconds(Hearing(true, milliseconds(0))), 0);
    EXPECT_EQ(SdlSleepMilliseconds(Hearing(true, milliseconds(-40))), 0);
}

TEST(SdlSleep, WithoutTheServerConnectionAShownWindowIsLookedAtWithinAFrame) {
    SdlWaitState state = Hearing(false);
    state.hearsEverything = false;
    EXPECT_EQ(SdlSleepMilliseconds(state), 4);
    state.presentationPending = true;
    state.untilPresentation = milliseconds(2);
    EXPECT_EQ(SdlSleepMilliseconds(state), 2);
}

TEST(SdlSleep, WithoutTheServerConnectionAndWithoutWindowsItLooksFourTimesASecond) {
    SdlWaitState state = Hearing(false);
    state.hearsEverything = false;
    state.anyWindowShown = false;
    EXPECT_EQ(SdlSleepMilliseconds(state), 250);
}

}  // namespace
}  // namespace lumenbox::display

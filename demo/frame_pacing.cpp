// Sleeps to absolute deadlines on the steady clock: the wall clock may jump,
// and sleeping for a relative period would add each frame's own work to it.
#include "frame_pacing.h"

#include <thread>

namespace lumenbox {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int64_t FramesPerSecond = 60;
constexpr std::chrono::nanoseconds FramePeriod{1'000'000'000 / FramesPerSecond};

Clock::time_point Deadline(const FramePace& pace) {
    const std::chrono::nanoseconds sinceStart{pace.frame * 1'000'000'000 / FramesPerSecond};
    return pace.start + std::chrono::duration_cast<Clock::duration>(sinceStart);
}

}  // namespace

FramePace StartFramePace() { return FramePace{Clock::now(), 0}; }

void WaitForNextFrame(FramePace& pace) {
    ++pace.frame;
    const Clock::time_point deadline = Deadline(pace);
    const Clock::time_point now = Clock::now();
    if (now - deadline >= FramePeriod) {
        pace = StartFramePace();
        return;
    }
    std::this_thread::sleep_until(deadline);
}

}  // namespace lumenbox

// Frame pacing for vyr: frames start on a fixed 60-a-second schedule, so the
// fire rises at the same speed on any machine.
#pragma once

#include <chrono>
#include <cstdint>

namespace lumenbox {

struct FramePace {
    std::chrono::steady_clock::time_point start;  // the schedule's frame 0
    std::int64_t frame = 0;                       // frames since start
};

// A schedule whose frame 0 is now.
FramePace StartFramePace();
// Sleeps until the next frame is due. Each deadline is computed from the
// schedule's start, so rounding never accumulates into drift. A frame that
// overran by a whole period or more restarts the schedule from now instead of
// hurrying through the missed frames.
void WaitForNextFrame(FramePace& pace);

}  // namespace lumenbox

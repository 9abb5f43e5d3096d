// The SDL display thread's sleep.
#include "platform/display/sdl/sdl_wait_plan.h"

#include <algorithm>

namespace lumenbox::display {

namespace {

using std::chrono::milliseconds;

// Where the server cannot be heard while a window is shown: how long a key
// may wait for the thread to notice it.
constexpr milliseconds kDeafInputInterval{4};
// Where it cannot be heard and no window is shown: only commands matter,
// and the session's quit request is looked for now and then.
constexpr milliseconds kDeafIdleInterval{250};

int Milliseconds(milliseconds span) { return static_cast<int>(span.count()); }

}  // namespace

int SdlSleepMilliseconds(const SdlWaitState& state) {
    milliseconds sleep = milliseconds::max();
    if (state.presentationPending) {
        // Rounded up: waking a little early would only sleep again.
        const auto untilDue = std::chrono::ceil<milliseconds>(state.untilPresentation);
        sleep = std::clamp(untilDue, milliseconds(0), kDeafIdleInterval);
    }
    if (!state.hearsEverything) {
        sleep = std::min(sleep, state.anyWindowShown ? kDeafInputInterval : kDeafIdleInterval);
    }
    return sleep == milliseconds::max() ? -1 : Milliseconds(sleep);
}

}  // namespace lumenbox::display

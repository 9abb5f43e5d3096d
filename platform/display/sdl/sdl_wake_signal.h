// What wakes the SDL display thread from its sleep: a command queued or a
// shown surface changed.
//
// An eventfd that the thread waits on beside the display server's connection.
// No other thread may call the toolkit, not even to wake this one (see
// sdl_display_thread.cpp), so the wake-up travels outside it. Raising it while
// it is raised already costs one atomic exchange and no system call.
#pragma once

#include <atomic>

#include "platform/display/display.h"

namespace lumenbox::display {

class SdlWakeSignal final : public SurfaceWatcher {
public:
    SdlWakeSignal();
    ~SdlWakeSignal();
    SdlWakeSignal(const SdlWakeSignal&) = delete;
    SdlWakeSignal& operator=(const SdlWakeSignal&) = delete;

    // False when the system gave no eventfd: then nothing wakes the thread
    // and it must look by itself now and then.
    bool Usable() const { return fd_ >= 0; }
    // Readable while raised; for poll().
    int Fd() const { return fd_; }

    // Any thread: the display thread has something to look at.
    void Raise();
    void SurfaceChanged() override { Raise(); }
    // Display thread, before it looks at what may have changed: whatever is
    // raised from here on wakes it again.
    void Clear();

private:
    int fd_ = -1;
    std::atomic<bool> raised_{false};
};

}  // namespace lumenbox::display

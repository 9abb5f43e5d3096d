// The SDL display thread's wake-up.
#include "platform/display/sdl/sdl_wake_signal.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace lumenbox::display {

SdlWakeSignal::SdlWakeSignal() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

SdlWakeSignal::~SdlWakeSignal() {
    if (fd_ >= 0) close(fd_);
}

// The exchange also publishes what the raiser changed before it: Clear's
// exchange reads it, so the thread sees the change when it looks.
void SdlWakeSignal::Raise() {
    if (fd_ < 0 || raised_.exchange(true, std::memory_order_acq_rel)) return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(fd_, &one, sizeof one);
}

void SdlWakeSignal::Clear() {
    if (fd_ < 0) return;
    raised_.exchange(false, std::memory_order_acq_rel);
    // Read even when nothing was raised: a raiser that set the flag before
    // the exchange may write only after it, and what it wrote must not stay
    // behind, or every later wait would return at once. Reading an eventfd
    // empties it whatever it counted.
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = read(fd_, &count, sizeof count);
}

}  // namespace lumenbox::display

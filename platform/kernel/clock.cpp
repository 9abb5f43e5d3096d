// Sleeping and the millisecond tick count.
#include <chrono>
#include <thread>

#include <lumenbox/win/kernel.h>

namespace lumenbox::win {

void Sleep(DWORD milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// The steady clock never goes back, so intervals between two readings are
// right even across a wrap of the 32-bit count (unsigned subtraction).
DWORD GetTickCount() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return static_cast<DWORD>(static_cast<std::uint64_t>(ms));
}

}  // namespace lumenbox::win

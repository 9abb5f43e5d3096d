// GetKeyState: the keyboard as the calling thread's messages last saw it.
#include "platform/user/user_state.h"

namespace lumenbox::win {

// A thread handling a key message sees the keys as they were when that key
// went down, however far the real keyboard has moved on since, so modifier
// tests agree with the message being handled.
std::int16_t GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    const std::uint8_t state = detail::SynchronousKeyState()[static_cast<std::size_t>(virtualKey)];
    const int down = (state & 0x80) ? 0xFF80 : 0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(down | (state & 0x01)));
}

}  // namespace lumenbox::win

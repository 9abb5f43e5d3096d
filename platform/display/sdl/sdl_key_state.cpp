// Key state bookkeeping in the Windows layout: bit 0x80 while down, bit 0x01
// the toggle of Caps Lock, Num Lock and Scroll Lock.
#include "platform/display/sdl/sdl_key_state.h"

#include <cstddef>
#include <cstdint>

namespace lumenbox::display {

namespace {

constexpr std::uint8_t kDown = 0x80;
constexpr std::uint8_t kToggled = 0x01;
constexpr int kShift = 0x10;
constexpr int kCapital = 0x14, kNumLock = 0x90, kScroll = 0x91;
constexpr int kLeftShift = 0xA0;

void SetBit(KeyStates& states, int virtualKey, std::uint8_t bit, bool on) {
    auto& state = states[static_cast<std::size_t>(virtualKey)];
    state = static_cast<std::uint8_t>(on ? (state | bit) : (state & ~bit));
}

bool IsDown(const KeyStates& states, int virtualKey) {
    return (states[static_cast<std::size_t>(virtualKey)] & kDown) != 0;
}

// The generic modifier is down while either of its sides is; the side codes
// come in pairs, left then right, from VK_LSHIFT on.
void RecomputeGeneric(KeyStates& states, int side) {
    const int pair = (side - kLeftShift) / 2;
    const int left = kLeftShift + 2 * pair;
    SetBit(states, kShift + pair, kDown, IsDown(states, left) || IsDown(states, left + 1));
}

void ApplyToggles(KeyStates& states, LockToggles toggles) {
    SetBit(states, kCapital, kToggled, toggles.capsLock);
    SetBit(states, kNumLock, kToggled, toggles.numLock);
    SetBit(states, kScroll, kToggled, toggles.scrollLock);
}

}  // namespace

KeyStates SdlKeyState::Apply(const MappedKey& key, bool down, LockToggles toggles) {
    std::lock_guard lock(mutex_);
    if (key.sidedKey != 0) {
        SetBit(states_, key.sidedKey, kDown, down);
        RecomputeGeneric(states_, key.sidedKey);
    } else if (key.virtualKey > 0 && key.virtualKey < 256) {
        SetBit(states_, key.virtualKey, kDown, down);
    }
    ApplyToggles(states_, toggles);
    return states_;
}

KeyStates SdlKeyState::Current() const {
    std::lock_guard lock(mutex_);
    return states_;
}

}  // namespace lumenbox::display

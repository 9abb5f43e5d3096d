// The keyboard state the SDL display reports: which keys are down, and the
// toggles of the lock keys.
//
// Written on the display thread as key events arrive, read from any thread
// through Display::KeyState(), hence the lock.
#pragma once

#include <mutex>

#include "platform/display/display.h"
#include "platform/display/sdl/sdl_key_map.h"

namespace lumenbox::display {

// The lock keys' toggles as the toolkit knows them; it keeps them in step
// with the keyboard's lights, which a press count alone cannot.
struct LockToggles {
    bool capsLock;
    bool numLock;
    bool scrollLock;
};

class SdlKeyState {
public:
    // Records a press or release and returns the whole state right after it.
    // A modifier keeps its side entry and a generic entry that is down while
    // either side is. A key of code 0 only brings the toggles up to date.
    KeyStates Apply(const MappedKey& key, bool down, LockToggles toggles);
    KeyStates Current() const;

private:
    mutable std::mutex mutex_;
    KeyStates states_{};
};

}  // namespace lumenbox::display

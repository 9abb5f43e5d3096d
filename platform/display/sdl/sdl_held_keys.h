// What each held key was reported as when it went down.
//
// A key's meaning can change while it is held (Num Lock turns keypad 1 from
// End into VK_NUMPAD1); its repeats and its release must still carry the code
// of its press, or the program would see a key go up that never went down and
// keep the other one down for ever. Display thread only.
#pragma once

#include <array>

#include <SDL2/SDL_scancode.h>

#include "platform/display/sdl/sdl_key_map.h"

namespace lumenbox::display {

class SdlHeldKeys {
public:
    // The code to report for this event: the press's own for repeats and the
    // release, `mapped` for a fresh press.
    MappedKey Resolve(SDL_Scancode scancode, const MappedKey& mapped, bool down) {
        if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return mapped;
        MappedKey& held = held_[static_cast<std::size_t>(scancode)];
        const MappedKey reported = held.virtualKey != 0 ? held : mapped;
        held = down ? reported : MappedKey{0, 0};
        return reported;
    }

private:
    std::array<MappedKey, SDL_NUM_SCANCODES> held_{};
};

}  // namespace lumenbox::display

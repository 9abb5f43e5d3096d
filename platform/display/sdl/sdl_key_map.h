// Which Windows virtual-key code an SDL key event stands for.
//
// Keys are named by position (scancode) with a US layout, which is the layout
// the user layer translates characters with; only letters and digits follow
// the keyboard's own layout (keycode), so that a key printed "A" is VK 'A'.
#pragma once

#include <SDL2/SDL_keyboard.h>

namespace lumenbox::display {

struct MappedKey {
    // The code reported with the key event; the generic one for modifiers
    // (VK_SHIFT, VK_CONTROL, VK_MENU). 0 for a key Windows has no code for.
    int virtualKey;
    // The left- or right-hand code kept in the key state beside the generic
    // one (VK_LSHIFT ... VK_RMENU); 0 for every other key.
    int sidedKey;
};

// `numLock` chooses what the keypad's digit and decimal keys are: VK_NUMPAD0-9
// and VK_DECIMAL when on, the navigation keys Windows sends when off.
MappedKey MapSdlKey(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock);

}  // namespace lumenbox::display

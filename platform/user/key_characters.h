// The characters keys give with a US keyboard layout.
#pragma once

#include <optional>

#include "platform/display/display.h"

namespace lumenbox::win::detail {

// The character a key-down of `virtualKey` types with the given key state
// (Shift, Ctrl, Alt down; Caps Lock and Num Lock toggles), or nullopt for a
// key that types none. Alt alone does not change the character (Alt+A types
// 'a', delivered as WM_SYSCHAR); Ctrl and Alt together type nothing.
std::optional<unsigned char> CharacterOfKey(int virtualKey, const display::KeyStates& keys);

}  // namespace lumenbox::win::detail

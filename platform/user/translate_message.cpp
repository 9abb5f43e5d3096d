// TranslateMessage: key-downs into the characters they type.
#include "platform/user/key_characters.h"
#include "platform/user/user_state.h"

namespace lumenbox::win {

// The character is translated with the key state of the key message itself
// (the one the thread retrieved last) and queued ahead of everything else, so
// it is the very next message the thread sees, carrying that same state.
BOOL TranslateMessage(const MSG* message) {
    if (!message || (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN)) return FALSE;
    if (message->wParam > 255) return FALSE;  // not a virtual-key code
    const display::KeyStates keys = detail::SynchronousKeyState();
    const std::optional<unsigned char> character =
        detail::CharacterOfKey(static_cast<int>(message->wParam), keys);
    if (!character) return FALSE;
    const UINT type = message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    const MSG translated{message->hwnd, type, *character, message->lParam, message->time, message->pt};
    return detail::PostToWindow(message->hwnd, detail::QueuedMessage{translated, keys}, true);
}

}  // namespace lumenbox::win

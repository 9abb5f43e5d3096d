// The keyboard unit's side of the window procedure: the window's creation,
// destruction, close and key messages, handled on the window thread.
#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/user.h>

namespace lumenbox {

namespace {

// The close button reaches the program as this extended key, the code of
// Alt+F4, so the program alone decides whether to end.
constexpr std::uint8_t CloseRequestCode = 107;

// Shift and Ctrl are read as modifiers of other keys; pressed alone they
// mean nothing to the program. Alt arrives as a system key.
bool IsBareModifier(std::uint32_t message, win::WPARAM key) {
    if (message == win::WM_SYSKEYDOWN) {
        return key == win::VK_MENU;
    }
    return key == win::VK_SHIFT || key == win::VK_CONTROL;
}

std::int32_t VirtualKeyOf(win::WPARAM wParam) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
}

}  // namespace

void InstallKeyboard() { GraphState.KeyHook = KeyMessageHandler; }

win::LRESULT KeyMessageHandler(win::HWND /*window*/, std::uint32_t message, win::WPARAM wParam,
                               win::LPARAM /*lParam*/) {
    switch (message) {
        case win::WM_CREATE:
            // Each window starts with an empty queue: keys left from an
            // earlier window are discarded here.
            win::InitializeCriticalSection(&KeyQueueLock);
            ResetKeyQueue();
            break;
        case win::WM_DESTROY:
            // The queue keeps its keys; NextKey stops touching the lock once
            // the window is no longer open, and readers waiting give up.
            EndKeyQueueWindow();
            win::DeleteCriticalSection(&KeyQueueLock);
            break;
        case win::WM_CLOSE:
            PutExtendedKey(CloseRequestCode);
            break;
        case win::WM_KEYDOWN:
        case win::WM_SYSKEYDOWN:
            if (!IsBareModifier(message, wParam)) {
                TranslateKeyDown(VirtualKeyOf(wParam));
            }
            break;
        case win::WM_CHAR:
            PutKey(static_cast<std::uint8_t>(wParam & 0xFF));
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace lumenbox

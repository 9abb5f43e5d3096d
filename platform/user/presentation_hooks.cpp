// The stand-in's presentation hooks: the display's presentations passed on
// to whoever watches a window.
#include <chrono>
#include <map>
#include <mutex>
#include <shared_mutex>

#include <lumenbox/win/user.h>

#include "platform/user/user_state.h"

namespace lumenbox::win {

namespace {

struct Hook {
    LBPRESENTPROC procedure;
    void* context;
};

// Calls run under the shared lock, changes take it exclusively: a removed
// hook has finished its last call when LbSetPresentationHook returns.
struct HookTable {
    std::shared_mutex mutex;
    std::map<display::WindowId, Hook> hooks;
};

HookTable& Hooks() {
    static HookTable* const table = new HookTable();  // the display may call until the very end
    return *table;
}

class HookObserver final : public display::PresentationObserver {
public:
    void Presented(const display::PresentedFrame& frame) override {
        HookTable& table = Hooks();
        std::shared_lock lock(table.mutex);
        const auto found = table.hooks.find(frame.window);
        if (found == table.hooks.end()) return;
        const LBPRESENTATION presentation{
            detail::MakeHandle<HWND>(frame.window), frame.width, frame.height, frame.pixels,
            std::chrono::duration_cast<std::chrono::nanoseconds>(frame.shownAt.time_since_epoch()).count()};
        found->second.procedure(&presentation, found->second.context);
    }
};

// The observer is attached at the first hook, so displays of programs that
// never record copy nothing when they present.
void AttachObserver(display::Display& display) {
    static HookObserver* const observer = new HookObserver();
    static std::once_flag attached;
    std::call_once(attached, [&display] { display.SetPresentationObserver(observer); });
}

}  // namespace

BOOL LbSetPresentationHook(HWND window, LBPRESENTPROC hook, void* context) {
    HookTable& table = Hooks();
    if (hook == nullptr) {
        std::unique_lock lock(table.mutex);
        table.hooks.erase(detail::IdOf(window));
        return TRUE;
    }
    if (!IsWindow(window)) return FALSE;
    display::Display* display = detail::ConnectedDisplay();
    if (display == nullptr) return FALSE;
    AttachObserver(*display);
    std::unique_lock lock(table.mutex);
    table.hooks[detail::IdOf(window)] = Hook{hook, context};
    return TRUE;
}

}  // namespace lumenbox::win

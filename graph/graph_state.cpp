// The graphics library's one state record, its start-up and its status words.
#include <lumenbox/graph.h>
#include <lumenbox/win/user.h>

#include "runtime/unit_order.h"

namespace lumenbox {

// Constant-initialised: every field holds its initial value before any code
// of the program runs, whatever order the static initialisers take.
constinit GraphStateRecord GraphState;

namespace {

// Defined after GraphState, so that the record's destructor is registered
// before the shut-down that the start-up registers, and runs after it.
[[maybe_unused]] const bool UnitsStarted = StartUnitsBeforeMain();

}  // namespace

bool IsGraphOpen() {
    // Pairs with the window thread's release store at the end of WM_CREATE.
    return GraphState.GraphIsOpen.load(std::memory_order_acquire);
}

void GraphLibraryStart() {
    // 1. Flags.
    GraphState.GraphIsOpen.store(false, std::memory_order_release);
    GraphState.PaletteMode = false;
    GraphState.GraphKind = -1;
    // 2. The keyboard unit's start-up, which runs next, installs its handler.
    GraphState.KeyHook = nullptr;
    GraphState.PointerHook = nullptr;
    // 3. Read once; a later change of the screen resolution is not seen.
    GraphState.ScreenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
    GraphState.ScreenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
    // 4.
    BindStandardColors();
}

void BindStandardColors() {
    for (std::size_t i = 0; i < GraphState.StandardColorRefs.size(); ++i) {
        GraphState.StandardColorRefs[i] = &GraphState.StandardColors[i];
    }
}

const char* StatusMeaning(std::int16_t status) {
    switch (status) {
    case StatusOk: return "success";
    case StatusNotOpen: return "graphics window not open";
    case StatusBadKind: return "unknown display kind";
    case StatusBadSize: return "bad size, or the window does not fit the screen";
    case StatusWindowFailed: return "window creation failed, or no display";
    case StatusFontMissing: return "font face not installed, or font table full";
    case StatusEmptyFontSlot: return "font slot empty";
    case StatusOutOfRange: return "argument out of range";
    case StatusNoPalette: return "window has no palette";
    case StatusNoOpenGL: return "OpenGL not available";
    case StatusAlreadyOpen: return "graphics window already open";
    case StatusFileFailed: return "picture file could not be written";
    default: return "unknown status";
    }
}

}  // namespace lumenbox

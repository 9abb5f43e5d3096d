// Start-up and shut-down order of the units.
//
// The graphics state is constant-initialised, so every field holds its
// initial value before any code of the program runs, and the start-up can
// run at the first use, whatever order the static initialisers take. The
// library's own initialisation (graph/graph_state.cpp, right after the state
// record's definition) is the latest first use: it keeps this object file in
// every program, since a static library drops objects nothing refers to.
#include "runtime/unit_order.h"

#include <atomic>
#include <cstdlib>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/pointer.h>

namespace lumenbox {

namespace {

// Set by the first start; read by the library's own initialisation to learn
// whether a program's global object came first.
std::atomic<bool> UnitsStarted{false};
std::atomic<bool> UnitsStopped{false};

// Registered with atexit, possibly twice (see StartUnitsBeforeMain); the
// shut-down runs once, at the earlier of the two.
void StopUnits() {
    if (UnitsStopped.exchange(true)) return;
    // The keyboard unit has no shut-down step.
    GraphLibraryStop();
}

bool StartUnits() {
    // GraphLibraryStart reads the screen size, which chooses the display; the
    // display registers its own shut-down with atexit at that moment. Ours is
    // registered afterwards, so it runs first at exit, while the display and
    // the window thread can still close the window.
    GraphLibraryStart();
    InstallKeyboard();
    InstallPointer();
    std::atexit(StopUnits);
    UnitsStarted.store(true, std::memory_order_release);
    return true;
}

}  // namespace

void EnsureUnitsStarted() {
    // A function-local static: exactly once, even from several threads.
    [[maybe_unused]] static const bool started = StartUnits();
}

bool StartUnitsBeforeMain() {
    // The state record's destructor is registered with atexit just before
    // this runs. When a global object of the program started the units
    // earlier, their shut-down was registered before that destructor and so
    // would run after it, on a destroyed record: registering it once more
    // here makes it run first.
    if (UnitsStarted.load(std::memory_order_acquire)) std::atexit(StopUnits);
    EnsureUnitsStarted();
    return true;
}

}  // namespace lumenbox

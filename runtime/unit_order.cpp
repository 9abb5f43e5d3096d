// Start-up and shut-down order of the units.
//
// The graphics state is constant-initialised, so the start-up does not depend
// on the order in which static initialisers run. It is called from the
// initialisation of graph/graph_state.cpp, right after the state record's
// definition: that keeps this object file in every program (a static library
// drops objects nothing refers to) and registers the record's destructor
// before GraphLibraryStop, so at exit the shut-down runs while the record is
// still alive.
#include "runtime/unit_order.h"

#include <cstdlib>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>

namespace lumenbox {

namespace {

void StopUnits() {
    // The keyboard unit has no shut-down step.
    GraphLibraryStop();
}

}  // namespace

bool StartUnits() {
    // GraphLibraryStart reads the screen size, which chooses the display; the
    // display registers its own shut-down with atexit at that moment. Ours is
    // registered afterwards, so it runs first at exit, while the display and
    // the window thread can still close the window.
    GraphLibraryStart();
    InstallKeyboard();
    std::atexit(StopUnits);
    return true;
}

}  // namespace lumenbox

// The start-up and shut-down order of the library's units.
#pragma once

namespace lumenbox {

// Starts the units in their order, once, on first use: the graphics library
// first (it clears KeyHook), then the keyboard unit (which installs its
// handler there), and arranges for the graphics library's shut-down at exit.
// Whatever runs first (a program's own global object opening a window
// before main, or the library's own initialisation) starts them; later
// calls do nothing.
void EnsureUnitsStarted();
// The library's own initialisation, which every program linked with it
// reaches: starts the units if nothing has yet. Returns true so that it can
// initialise a flag.
bool StartUnitsBeforeMain();

}  // namespace lumenbox

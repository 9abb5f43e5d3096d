// The start-up and shut-down order of the library's units.
#pragma once

namespace lumenbox {

// Starts the units in their order before the program's main body runs: the
// graphics library first (it clears KeyHook), then the keyboard unit (which
// installs its handler there), and arranges for the graphics library's
// shut-down after main returns. Runs once, from the graphics state's own
// initialisation, which every program linked with the library reaches.
// Returns true so that it can initialise a flag.
bool StartUnits();

}  // namespace lumenbox

// The window thread: it owns the graphics window from its creation to its
// destruction and runs the window's message loop.
#pragma once

#include <cstdint>

#include <lumenbox/win/types.h>

namespace lumenbox {

// The window class every graphics window belongs to.
inline constexpr const char* GraphClassName = "LumenboxClass";

// Thread start routine: registers the class, creates the hidden window with
// `caption` (zero-terminated text, or none for an empty title), serves it
// until WM_USER asks it to go, then stores the message loop's result in
// GraphStatus and unregisters the class. When the class or the window cannot
// be made, sets GraphStatus to -4 and leaves no class registered. Returns 0.
win::DWORD GraphWindowThread(void* caption);
// Fetches and dispatches the thread's messages until WM_QUIT or a failure;
// returns the low 16 bits of the last message's wParam.
std::int16_t RunMessageLoop();

}  // namespace lumenbox

// Opening and closing the graphics window, and the library's start-up and
// shut-down, with what must hold around them: the caller's mode variables,
// the refusals the display's set-up calls for, a shown or hidden window,
// and nothing of a window left once it has gone.
#pragma once

#include "robustness/calls.h"
#include "robustness/choice_source.h"
#include "robustness/session.h"

namespace lumenbox::robustness {

CallOutcome OpenWindow(ChoiceSource& choices, Session& session);
CallOutcome CloseWindow(Session& session);
// GraphLibraryStop: closes a window left open.
CallOutcome StopLibrary(Session& session);
// GraphLibraryStart followed by InstallKeyboard, as a program's start runs
// them; only while no window is open, since the window thread reads what
// they write.
CallOutcome RestartLibrary(const Session& session);

}  // namespace lumenbox::robustness

// The world around the program: the headless screen each sequence starts
// on, and what a user does between two calls (keys, the mouse, close clicks,
// parts of the window uncovered).
#pragma once

#include <string>

#include "robustness/choice_source.h"
#include "robustness/session.h"

namespace lumenbox::robustness {

// Resets the headless display and sets up another screen, OpenGL support,
// installed fonts and whether the window class name is taken, so that the
// refusals of opening are reached as well as the successes. Needs no window
// open.
Environment PrepareDisplay(ChoiceSource& choices);

// "screen 1024x768x16, no OpenGL, fonts missing: Arial", for failure reports.
std::string DescribeEnvironment(const Environment& environment);

// Undoes what PrepareDisplay set, for the next sequence or test.
void RestoreDisplay(const Environment& environment);

// One thing a user does; returns it as text.
std::string PerformUserAction(ChoiceSource& choices, const Session& session);

}  // namespace lumenbox::robustness

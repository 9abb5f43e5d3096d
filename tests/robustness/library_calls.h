// The calls of the graphics library and the keyboard unit, each made once
// with arguments drawn from the edges, and the promises of its result
// checked. Opening and closing are in window_lifecycle.h.
#pragma once

#include "robustness/calls.h"
#include "robustness/choice_source.h"
#include "robustness/session.h"

namespace lumenbox::robustness {

// A drawing, palette, text or view call of <lumenbox/graph.h>.
CallOutcome PerformGraphCall(Call call, ChoiceSource& choices, const Session& session);

// A call that draws with the settings: lines, shapes, floods, text, blocks
// and clearing, with hostile arguments (huge radii, far angles, long
// polygons and texts, blocks larger than the canvas).
CallOutcome PerformDrawingCall(Call call, ChoiceSource& choices, const Session& session);

// A call of <lumenbox/keyboard.h> or <lumenbox/random.h>. Those that belong
// to the window thread's side are made only in ways a program could make
// them: the window's creation and destruction messages only while no window
// exists, and NextKey only when a key is there to take (it waits for one).
CallOutcome PerformKeyboardCall(Call call, ChoiceSource& choices, const Session& session);
// SavePicture into the engine's own scratch folder, or at paths that cannot
// be written (picture_calls.cpp).
CallOutcome SavePictureCall(ChoiceSource& choices);
// The pointer unit's calls (pointer_calls.cpp).
CallOutcome PerformPointerCall(Call call, ChoiceSource& choices, const Session& session);

}  // namespace lumenbox::robustness

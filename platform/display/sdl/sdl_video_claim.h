// SDL's video state belongs to the whole process and to one thread at a
// time: a second thread initialising it would share (or tear down) the first
// one's windows. Whoever is about to initialise it claims it first.
#pragma once

namespace lumenbox::display {

// True when the caller now holds the claim; false when someone else does.
bool ClaimSdlVideo();
// Called by the holder after SDL_Quit.
void ReleaseSdlVideo();

}  // namespace lumenbox::display

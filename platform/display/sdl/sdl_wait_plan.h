// How long the SDL display thread may sleep before it must look again.
#pragma once

#include <chrono>

namespace lumenbox::display {

struct SdlWaitState {
    // A shown window has a change (or damage) it has not presented yet.
    bool presentationPending = false;
    // Until that presentation's turn comes; negative when it is overdue.
    std::chrono::steady_clock::duration untilPresentation{};
    // The thread sleeps on the display server's connection and its wake-up,
    // so input, commands and surface changes all end the sleep.
    bool hearsEverything = false;
    bool anyWindowShown = false;
};

// Sleep in milliseconds for poll(): -1 for as long as nothing happens, 0 not
// at all. Without a change to present and with every source heard, the
// thread sleeps until something happens; otherwise it looks again when a
// presentation is due, and where it cannot hear the server, often enough that
// a key is noticed well within a frame.
int SdlSleepMilliseconds(const SdlWaitState& state);

}  // namespace lumenbox::display

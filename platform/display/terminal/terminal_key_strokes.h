// A terminal key as the press-and-release events a keyboard would have made.
//
// A terminal reports a key once it is typed, never when it goes up, and says
// only which modifiers were held with it. The display turns each into the
// events of a short stroke: the modifiers go down, the key goes down and up,
// the modifiers come up again, each with the whole key state right after it,
// so that the user layer sees what it would see from a real keyboard.
#pragma once

#include <mutex>
#include <vector>

#include "platform/display/display.h"
#include "platform/display/terminal/terminal_key_parser.h"

namespace lumenbox::display {

class TerminalKeyStrokes {
public:
    // The events of one stroke of `key`, in order; the state is left with
    // nothing held afterwards, as the terminal will not say otherwise.
    std::vector<KeyEvent> Strike(const TerminalKey& key);
    // The key state between strokes (nothing down); read from any thread.
    KeyStates Current() const;

private:
    // Records a key going down or up (with the left-hand code beside the
    // generic one for a modifier) and returns the event.
    KeyEvent Record(int virtualKey, int sideKey, bool down);

    mutable std::mutex mutex_;
    KeyStates states_{};
};

}  // namespace lumenbox::display

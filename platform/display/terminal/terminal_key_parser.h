// Bytes typed into a terminal, turned back into the keys that made them.
//
// A terminal sends characters, control bytes and escape sequences (xterm's
// CSI and SS3 forms for cursor, editing and function keys, with a modifier
// parameter). The Escape key sends the byte that also starts every sequence,
// so a lone ESC is only known to be the key when nothing follows it quickly:
// the reader calls Expire() once the line has been quiet for a moment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumenbox::display {

// One key as the terminal reports it: a Windows virtual-key code and the
// modifiers held with it.
struct TerminalKey {
    int virtualKey = 0;
    bool shift = false;
    bool control = false;
    bool alt = false;

    friend bool operator==(const TerminalKey&, const TerminalKey&) = default;
};

class TerminalKeyParser {
public:
    // Takes the bytes just read and returns the keys they complete. An
    // unfinished sequence is kept for the next call.
    std::vector<TerminalKey> Feed(std::string_view bytes);
    // The line went quiet with an unfinished sequence: a lone ESC was the
    // Escape key, ESC and one byte was Alt with that key; anything longer was
    // cut off and is dropped.
    std::vector<TerminalKey> Expire();
    // Whether bytes are waiting for more (or for Expire).
    bool Pending() const { return !pending_.empty(); }

private:
    std::string pending_;
};

}  // namespace lumenbox::display

// Bytes typed into a terminal, turned back into the keys that made them.
//
// A terminal sends characters, control bytes and escape sequences (xterm's
// CSI and SS3 forms for cursor, editing and function keys, with a modifier
// parameter). The Escape key sends the byte that also starts every sequence,
// so a lone ESC is only known to be the key when nothing follows it quickly:
// the reader calls Expire() once the line has been quiet for a moment.
#pragma once

#include <optional>
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

// One mouse report in xterm's SGR form ("CSI < b ; column ; row M", or a
// final 'm' for a release), as the terminal sends it with modes 1000 (presses
// and releases), 1002 (movement while a button is held) and 1006 (the SGR
// form) on. Column and row count from 0 here.
struct TerminalMouse {
    enum class Kind { Press, Release, Drag, Wheel };
    Kind kind = Kind::Press;
    int button = 0;   // 1 left, 2 right, 3 middle; 0 for a wheel or a drag without one
    int notches = 0;  // for Wheel: +1 away from the user, -1 towards
    int column = 0;
    int row = 0;
    bool shift = false;
    bool control = false;
    bool alt = false;

    friend bool operator==(const TerminalMouse&, const TerminalMouse&) = default;
};

// A key or a mouse report, in the order the terminal sent them.
struct TerminalInput {
    std::optional<TerminalKey> key;
    std::optional<TerminalMouse> mouse;
};

class TerminalKeyParser {
public:
    // Keys and mouse reports the bytes complete; an unfinished sequence is
    // kept for the next call. A broken or truncated report gives nothing.
    std::vector<TerminalInput> FeedInput(std::string_view bytes);
    // Expire() with its keys as input.
    std::vector<TerminalInput> ExpireInput();

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

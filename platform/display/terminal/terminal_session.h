// The terminal the display draws into and reads keys from.
//
// Opening it puts it into the state the display needs: raw input (no line
// editing, no echo, but Ctrl+C still interrupts), the alternate screen, the
// cursor hidden. Restore() puts back what was there before; so does a
// handler for SIGINT, SIGTERM, SIGHUP, SIGQUIT and SIGABRT (an uncaught
// exception ends the process through abort), which leaves the process by the
// signal's default action afterwards, so that a program stopped that way
// does not leave the user's shell in raw mode on a blank screen.
#pragma once

#include <termios.h>

#include <chrono>
#include <memory>
#include <string_view>

namespace lumenbox::display {

struct TerminalSize {
    int columns;
    int rows;

    friend bool operator==(const TerminalSize&, const TerminalSize&) = default;
};

class TerminalSession {
public:
    // The controlling terminal, already set up; NULL when the process has
    // none (or another session is open: there is one terminal to share).
    static std::unique_ptr<TerminalSession> Open();
    ~TerminalSession();

    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // The size now; zero when the terminal does not say.
    TerminalSize Size() const;
    // Writes all of `bytes` (retrying short writes); false on an error.
    bool Write(std::string_view bytes) const;
    // Waits up to `timeout` for input or for `wakeFd` to become readable.
    // Returns the number of bytes read into `buffer` (0 for none). Display
    // thread only.
    int WaitAndRead(int wakeFd, std::chrono::milliseconds timeout, char* buffer, int size);
    // Puts the terminal back as it was; idempotent.
    void Restore();

private:
    TerminalSession(int input, int output, bool owned, const termios& saved);
    bool Enter();

    int input_;
    int output_;
    bool owned_;  // opened /dev/tty ourselves, so it is ours to close
    termios saved_;
    bool restored_ = false;
    bool inputGone_ = false;  // the terminal hung up; display thread only
};

}  // namespace lumenbox::display

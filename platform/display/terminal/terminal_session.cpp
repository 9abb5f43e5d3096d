// Opening the terminal, raw mode and the alternate screen, and putting it all
// back: on Restore, or from a handler when a signal ends the process.
#include "platform/display/terminal/terminal_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace lumenbox::display {

namespace {

// Alternate screen, cursor hidden, default colours, blank; mouse reports on:
// presses and releases (1000), movement while a button is held (1002), in
// the SGR form (1006), which has no limit on the column and tells which
// button was released.
constexpr std::string_view kEnterScreen = "\x1b[?1049h\x1b[?25l\x1b[0m\x1b[2J\x1b[?1000h\x1b[?1002h\x1b[?1006h";
// Mouse reports off, default colours, cursor shown, back to the main screen
// and what it held. The signal handler writes this too, so the terminal is
// never left reporting the mouse to the shell.
constexpr std::string_view kLeaveScreen = "\x1b[?1006l\x1b[?1002l\x1b[?1000l\x1b[0m\x1b[?25h\x1b[?1049l";

// Those that end a process by default and can be caught. SIGABRT is how an
// uncaught exception or a failed assertion ends it; SIGQUIT is Ctrl+\.
constexpr std::array<int, 5> kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT};

// What the signal handler restores. Set before the handlers go in and
// cleared after they come out; the handler reads only these.
std::atomic<int> signalRestoreFd{-1};
termios signalRestoreTermios{};
std::array<struct sigaction, kEndingSignals.size()> previousActions{};
std::array<bool, kEndingSignals.size()> handlerInstalled{};

// There is one terminal: a second session would save the first one's raw
// state as "before" and restore that.
std::atomic<bool> sessionOpen{false};

void RestoreOnSignal(int signalNumber) {
    const int savedErrno = errno;
    const int fd = signalRestoreFd.load();
    if (fd >= 0) {
        // Nothing useful can be done about a failed write on the way out.
        [[maybe_unused]] const ssize_t written = write(fd, kLeaveScreen.data(), kLeaveScreen.size());
        tcsetattr(fd, TCSANOW, &signalRestoreTermios);
    }
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signalNumber, &fallback, nullptr);
    errno = savedErrno;
    // Delivered with the default action as soon as this handler returns.
    raise(signalNumber);
}

// Only signals the program leaves at their default get the handler: one it
// ignores (nohup) or handles itself is not ours to change.
void InstallSignalHandlers(int fd, const termios& saved) {
    signalRestoreTermios = saved;
    signalRestoreFd.store(fd);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        handlerInstalled[i] = false;
        if (sigaction(kEndingSignals[i], nullptr, &previousActions[i]) != 0) continue;
        if (previousActions[i].sa_handler != SIG_DFL || (previousActions[i].sa_flags & SA_SIGINFO) != 0) continue;
        struct sigaction action {};
        action.sa_handler = RestoreOnSignal;
        sigemptyset(&action.sa_mask);
        for (int other : kEndingSignals) sigaddset(&action.sa_mask, other);
        handlerInstalled[i] = sigaction(kEndingSignals[i], &action, nullptr) == 0;
    }
}

void RemoveSignalHandlers() {
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
        if (handlerInstalled[i]) sigaction(kEndingSignals[i], &previousActions[i], nullptr);
    signalRestoreFd.store(-1);
}

bool IsTerminal(int fd) {
    termios probe{};
    return isatty(fd) == 1 && tcgetattr(fd, &probe) == 0;
}

termios RawModeOf(termios mode) {
    // Keys arrive one by one and unechoed; ISIG stays, so Ctrl+C still
    // interrupts. Flow control and CR translation would eat Ctrl+S, Ctrl+Q
    // and tell Enter from Ctrl+J no more.
    mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    mode.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | ISTRIP);
    // Ctrl+Z would stop the program with the terminal still raw; it becomes
    // a key like the other Ctrl combinations.
    mode.c_cc[VSUSP] = _POSIX_VDISABLE;
    // Reads never wait: the display thread polls first.
    mode.c_cc[VMIN] = 0;
    mode.c_cc[VTIME] = 0;
    return mode;
}

}  // namespace

std::unique_ptr<TerminalSession> TerminalSession::Open() {
    if (sessionOpen.exchange(true)) return nullptr;
    int input = STDIN_FILENO, output = STDOUT_FILENO;
    bool owned = false;
    if (!IsTerminal(STDIN_FILENO) || !IsTerminal(STDOUT_FILENO)) {
        input = output = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
        owned = true;
        if (input < 0 || !IsTerminal(input)) {
            if (input >= 0) close(input);
            sessionOpen.store(false);
            return nullptr;
        }
    }
    termios saved{};
    tcgetattr(input, &saved);
    std::unique_ptr<TerminalSession> session(new TerminalSession(input, output, owned, saved));
    if (!session->Enter()) return nullptr;  // the destructor closes and releases
    return session;
}

TerminalSession::TerminalSession(int input, int output, bool owned, const termios& saved)
    : input_(input), output_(output), owned_(owned), saved_(saved) {}

TerminalSession::~TerminalSession() {
    Restore();
    if (owned_) close(input_);
    sessionOpen.store(false);
}

bool TerminalSession::Enter() {
    InstallSignalHandlers(output_, saved_);
    const termios raw = RawModeOf(saved_);
    if (tcsetattr(input_, TCSANOW, &raw) != 0 || !Write(kEnterScreen)) {
        Restore();
        return false;
    }
    return true;
}

void TerminalSession::Restore() {
    if (restored_) return;
    restored_ = true;
    RemoveSignalHandlers();
    Write(kLeaveScreen);
    tcsetattr(input_, TCSANOW, &saved_);
}

TerminalSize TerminalSession::Size() const {
    winsize size{};
    if (ioctl(output_, TIOCGWINSZ, &size) != 0) return TerminalSize{0, 0};
    return TerminalSize{size.ws_col, size.ws_row};
}

bool TerminalSession::Write(std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t written = write(output_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

int TerminalSession::WaitAndRead(int wakeFd, std::chrono::milliseconds timeout, char* buffer, int size) {
    // A terminal that hung up would report so at once, every time: from then
    // on only the wake-up is waited for.
    std::array<pollfd, 2> watched{{{wakeFd, POLLIN, 0}, {inputGone_ ? -1 : input_, POLLIN, 0}}};
    const int ready = poll(watched.data(), watched.size(), static_cast<int>(timeout.count()));
    if (ready <= 0) return 0;
    if ((watched[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 && (watched[1].revents & POLLIN) == 0)
        inputGone_ = true;
    if ((watched[1].revents & POLLIN) == 0) return 0;
    const ssize_t got = read(input_, buffer, static_cast<std::size_t>(size));
    return got > 0 ? static_cast<int>(got) : 0;
}

}  // namespace lumenbox::display

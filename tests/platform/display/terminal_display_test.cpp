// The terminal display as a program meets it: none without a terminal, and
// with one (a pseudo-terminal here) a window drawn in half-blocks, keys read
// back as strokes, a resize reported as an exposure, and the terminal given
// back as it was. Each case runs in a child process of its own, which can
// have a terminal of its own (or none) without touching the test runner's.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/display/display.h"
#include "platform/display/terminal/terminal_display.h"

namespace lumenbox::display {
namespace {

using std::chrono::seconds;

// A generous bound for things that take milliseconds, so a loaded machine
// does not fail the test; it is never the thing measured.
constexpr seconds kPatience{10};

void DetachFromTerminal() {
    setsid();  // a new session has no controlling terminal
    const int nothing = open("/dev/null", O_RDWR);
    dup2(nothing, STDIN_FILENO);
    dup2(nothing, STDOUT_FILENO);
}

class RecordingSink final : public EventSink {
public:
    void Key(WindowId window, const KeyEvent& event) override {
        std::lock_guard lock(mutex_);
        keys.push_back(std::to_string(window) + (event.down ? " down " : " up ") + std::to_string(event.virtualKey));
        changed_.notify_all();
    }
    void CloseRequested(WindowId) override {}
    void Exposed(WindowId window, int left, int top, int right, int bottom) override {
        std::lock_guard lock(mutex_);
        exposures.push_back(std::to_string(window) + ": " + std::to_string(left) + "," + std::to_string(top) + "," +
                            std::to_string(right) + "," + std::to_string(bottom));
        changed_.notify_all();
    }
    void Pointer(WindowId window, const PointerEvent& event) override {
        std::lock_guard lock(mutex_);
        pointer.push_back(std::to_string(window) + " kind " + std::to_string(static_cast<int>(event.kind)) + " button " +
                          std::to_string(event.button) + " at " + std::to_string(event.x) + "," +
                          std::to_string(event.y) + " held " + std::to_string(event.buttons) +
                          ((event.states[0x11] & 0x80) ? " ctrl" : ""));
        changed_.notify_all();
    }
    bool WaitForPointer(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&] { return pointer.size() >= count; });
    }
    bool WaitForKeys(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&] { return keys.size() >= count; });
    }
    bool WaitForExposure() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&] { return !exposures.empty(); });
    }

    std::vector<std::string> keys;
    std::vector<std::string> exposures;
    std::vector<std::string> pointer;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
};

// Reads what the display wrote to the terminal until `wanted` shows up.
bool ReadUntil(int master, std::string& seen, const std::string& wanted) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (seen.find(wanted) == std::string::npos) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        pollfd watched{master, POLLIN, 0};
        if (poll(&watched, 1, 100) <= 0) continue;
        char buffer[4096];
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got > 0) seen.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

// A pseudo-terminal of 8 x 4 cells becomes this process's controlling
// terminal and its standard input and output. Returns the master side.
int BecomeTerminalProcess(int& slave) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return -1;
    setsid();
    slave = open(ptsname(master), O_RDWR);
    if (slave < 0 || ioctl(slave, TIOCSCTTY, 0) != 0) return -1;
    winsize size{4, 8, 0, 0};
    ioctl(slave, TIOCSWINSZ, &size);
    dup2(slave, STDIN_FILENO);
    dup2(slave, STDOUT_FILENO);
    return master;
}

// The steps of the pseudo-terminal case; the exit status names the one that failed.
int DrawReadAndRestore() {
    int slave = -1;
    const int master = BecomeTerminalProcess(slave);
    if (master < 0) return 10;
    std::unique_ptr<Display> display = CreateTerminalDisplay();
    if (!display) return 11;
    RecordingSink sink;
    display->SetEventSink(&sink);
    auto surface = std::make_shared<Surface>(4, 4);
    {
        std::lock_guard lock(surface->Mutex());
        for (int i = 0; i < 16; ++i) surface->Pixels()[i] = 0xFF0000;
        surface->MarkChanged();
    }
    display->AddWindow(7, WindowPlacement{0, 0, 6, 6, 4, 4, true, "t"}, surface);
    display->SetVisible(7, true);

    std::string seen;
    // The alternate screen, then red half-blocks.
    if (!ReadUntil(master, seen, "\x1b[?1049h")) return 12;
    if (!ReadUntil(master, seen, "\x1b[?1000h\x1b[?1002h\x1b[?1006h")) return 21;
    if (!ReadUntil(master, seen, "\x1b[38;2;255;0;0m\x1b[48;2;255;0;0m\xe2\x96\x80")) return 13;

    termios raw{};
    tcgetattr(slave, &raw);
    if ((raw.c_lflag & (ICANON | ECHO)) != 0 || (raw.c_lflag & ISIG) == 0) return 14;

    // Ctrl+Up: the modifier around the key, to the focused window.
    const std::string ctrlUp = "\x1b[1;5A";
    if (write(master, ctrlUp.data(), ctrlUp.size()) != static_cast<ssize_t>(ctrlUp.size())) return 15;
    if (!sink.WaitForKeys(4)) return 16;
    if (sink.keys != std::vector<std::string>{"7 down 17", "7 down 38", "7 up 38", "7 up 17"}) return 17;

    // The 4 x 4 window fills the 8 x 4 terminal at two cells a pixel: the
    // cell in column 3, row 2 shows pixel (1, 1). Ctrl held with the release.
    const std::string click = "\x1b[<0;3;2M\x1b[<16;3;2m";
    if (write(master, click.data(), click.size()) != static_cast<ssize_t>(click.size())) return 22;
    if (!sink.WaitForPointer(2)) return 23;
    if (sink.pointer != std::vector<std::string>{"7 kind 1 button 1 at 1,1 held 1", "7 kind 2 button 1 at 1,1 held 0 ctrl"})
        return 24;

    winsize bigger{6, 12, 0, 0};
    ioctl(master, TIOCSWINSZ, &bigger);
    if (!sink.WaitForExposure() || sink.exposures.front() != "7: 0,0,4,4") return 18;

    display->Shutdown();
    if (!ReadUntil(master, seen, "\x1b[?25h\x1b[?1049l")) return 19;
    termios restored{};
    tcgetattr(slave, &restored);
    if ((restored.c_lflag & (ICANON | ECHO)) != (ICANON | ECHO)) return 20;
    return 0;
}

// How a program drawing in the terminal may end.
enum class WayOut { kExit, kInterrupt, kTerminate, kQuit, kUncaughtException };

// A program that draws a window into the terminal on its standard input and
// output (the display chosen as a program's is, so that its exit handler is
// in place) and, once told that the window is on the screen, ends the given way.
[[noreturn]] void DrawThenEnd(int slave, int go, WayOut way) {
    const rlimit noCore{0, 0};  // the signals that dump core need not here
    setrlimit(RLIMIT_CORE, &noCore);
    dup2(slave, STDIN_FILENO);
    dup2(slave, STDOUT_FILENO);
    setenv("LUMENBOX_DISPLAY", "terminal", 1);
    Display* display = Current();
    if (display == nullptr) std::_Exit(30);
    auto surface = std::make_shared<Surface>(2, 2);
    display->AddWindow(3, WindowPlacement{0, 0, 2, 2, 2, 2, true, "t"}, surface);
    display->SetVisible(3, true);
    char told = 0;
    if (read(go, &told, 1) != 1) std::_Exit(31);
    switch (way) {
        case WayOut::kExit: std::exit(0);
        case WayOut::kInterrupt: raise(SIGINT); break;
        case WayOut::kTerminate: raise(SIGTERM); break;
        case WayOut::kQuit: raise(SIGQUIT); break;
        case WayOut::kUncaughtException:
            // On a thread of its own, beyond the reach of the test runner's
            // own catching, as an exception nobody caught is in a program.
            std::thread([] { throw std::runtime_error("nobody catches this"); }).join();
            break;
    }
    std::_Exit(32);
}

// Starts DrawThenEnd in a process of its own on a fresh pseudo-terminal and
// checks that, however it ended, the terminal is back in its normal mode and
// on its main screen. The exit status names the step that failed.
int TerminalComesBackAfter(WayOut way, int expectedSignal) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return 40;
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    winsize size{4, 8, 0, 0};
    if (slave < 0 || ioctl(slave, TIOCSWINSZ, &size) != 0) return 41;
    int go[2];
    if (pipe(go) != 0) return 42;
    const pid_t program = fork();
    if (program < 0) return 43;
    if (program == 0) DrawThenEnd(slave, go[0], way);
    std::string seen;
    if (!ReadUntil(master, seen, "\xe2\x96\x80")) return 44;  // the window drawn
    const char now = 1;
    if (write(go[1], &now, 1) != 1) return 45;
    int status = 0;
    if (waitpid(program, &status, 0) != program) return 46;
    if (expectedSignal == 0 && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) return 47;
    if (expectedSignal != 0 && !(WIFSIGNALED(status) && WTERMSIG(status) == expectedSignal)) return 48;
    if (!ReadUntil(master, seen, "\x1b[?1000l\x1b[0m\x1b[?25h\x1b[?1049l")) return 49;
    termios after{};
    if (tcgetattr(slave, &after) != 0) return 50;
    if ((after.c_lflag & (ICANON | ECHO)) != (ICANON | ECHO) || (after.c_iflag & ICRNL) == 0) return 51;
    return 0;
}

class TerminalDisplayTest : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(TerminalDisplayTest, WithoutATerminalThereIsNoDisplay) {
    EXPECT_EXIT(
        {
            DetachFromTerminal();
            setenv("LUMENBOX_DISPLAY", "terminal", 1);
            const bool none = CreateTerminalDisplay() == nullptr && Current() == nullptr;
            std::_Exit(none ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(TerminalDisplayTest, DrawsReadsKeysAndGivesTheTerminalBack) {
    EXPECT_EXIT(std::_Exit(DrawReadAndRestore()), ::testing::ExitedWithCode(0), "");
}

// Every way a program leaves the terminal gives it back: leaving through
// exit, being interrupted (Ctrl+C), terminated or quit (Ctrl+\\), and dying
// of an exception nobody caught.
TEST_F(TerminalDisplayTest, EveryWayOutGivesTheTerminalBack) {
    const struct {
        const char* name;
        WayOut way;
        int signal;
    } ways[] = {{"exit", WayOut::kExit, 0},
                {"SIGINT", WayOut::kInterrupt, SIGINT},
                {"SIGTERM", WayOut::kTerminate, SIGTERM},
                {"SIGQUIT", WayOut::kQuit, SIGQUIT},
                {"uncaught exception", WayOut::kUncaughtException, SIGABRT}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        EXPECT_EXIT(std::_Exit(TerminalComesBackAfter(way.way, way.signal)), ::testing::ExitedWithCode(0), "");
    }
}

}  // namespace
}  // namespace lumenbox::display

// The real vyr program, run as a user would, on the headless display. The
// keys come from the headless display's input script, the only way to reach
// a window inside another process: LUMENBOX_HEADLESS_SCRIPT.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

extern char** environ;

namespace {

// Long enough for any machine and sanitizer; only a vyr that never ends
// runs into it.
constexpr std::chrono::seconds ExitLimit{60};

struct ProgramRun {
    bool exited = false;  // on its own, before the limit
    int status = 0;       // as waitpid reports it
};

// The current environment with the display and the script replaced.
std::vector<std::string> VyrEnvironment(const std::string& script) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("LUMENBOX_DISPLAY=", 0) != 0 && text.rfind("LUMENBOX_HEADLESS_SCRIPT=", 0) != 0) {
            entries.push_back(text);
        }
    }
    entries.push_back("LUMENBOX_DISPLAY=headless");
    entries.push_back("LUMENBOX_HEADLESS_SCRIPT=" + script);
    return entries;
}

// Runs vyr and waits for it; a vyr still running at the limit is killed.
ProgramRun RunVyr(const std::string& script) {
    std::vector<std::string> environment = VyrEnvironment(script);
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string path = LUMENBOX_VYR_PATH;
    char* argv[] = {path.data(), nullptr};

    pid_t child = 0;
    if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
        ADD_FAILURE() << "cannot start " << path << ": " << std::strerror(errno);
        return {};
    }
    ProgramRun run;
    const auto deadline = std::chrono::steady_clock::now() + ExitLimit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(child, &run.status, WNOHANG) == child) {
            run.exited = true;
            return run;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(child, SIGKILL);
    waitpid(child, &run.status, 0);
    return run;
}

TEST(VyrProgram, EscapeThroughTheHeadlessDisplayEndsItWithStatusZero) {
    // A third of a second of fire (about 20 frames), then Escape.
    const ProgramRun run = RunVyr("wait-shown; wait-ms 300; key 27");
    ASSERT_TRUE(run.exited) << "vyr was still running after " << ExitLimit.count()
                            << " s; does the headless display run LUMENBOX_HEADLESS_SCRIPT?";
    ASSERT_TRUE(WIFEXITED(run.status)) << "vyr ended by signal " << WTERMSIG(run.status);
    EXPECT_EQ(WEXITSTATUS(run.status), 0);
}

TEST(VyrProgram, TheCloseButtonAloneDoesNotEndIt) {
    // The close request is read as the key 0, 107 and ignored; only the
    // Escape after it ends vyr.
    const ProgramRun run = RunVyr("wait-shown; close; wait-ms 200; key 27");
    ASSERT_TRUE(run.exited);
    ASSERT_TRUE(WIFEXITED(run.status));
    EXPECT_EQ(WEXITSTATUS(run.status), 0);
}

}  // namespace

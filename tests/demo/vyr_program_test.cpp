// The real vyr program, run as a user would, on the headless display. The
// keys come from the headless display's input script, the only way to reach
// a window inside another process: LUMENBOX_HEADLESS_SCRIPT.
#include <fcntl.h>
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
    std::string errors;   // what it wrote on standard error
};

// Variables that choose the display: the runs below set the ones they want.
constexpr const char* DisplayVariables[] = {"LUMENBOX_DISPLAY=", "LUMENBOX_HEADLESS_SCRIPT=", "DISPLAY=",
                                            "WAYLAND_DISPLAY="};

// The current environment without the display's variables, plus `settings`.
std::vector<std::string> VyrEnvironment(const std::vector<std::string>& settings) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        bool chooses = false;
        for (const char* variable : DisplayVariables) chooses = chooses || text.rfind(variable, 0) == 0;
        if (!chooses) entries.push_back(text);
    }
    entries.insert(entries.end(), settings.begin(), settings.end());
    return entries;
}

ProgramRun WaitForVyr(pid_t child);

std::string ReadWhole(int descriptor) {
    std::string text;
    char buffer[512];
    lseek(descriptor, 0, SEEK_SET);
    for (ssize_t n; (n = read(descriptor, buffer, sizeof(buffer))) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

// Runs vyr in a session of its own (so it has no controlling terminal), with
// standard output on /dev/null and standard error kept, and waits for it; a
// vyr still running at the limit is killed.
ProgramRun RunVyrWith(const std::vector<std::string>& settings) {
    std::vector<std::string> environment = VyrEnvironment(settings);
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string path = LUMENBOX_VYR_PATH;
    char* argv[] = {path.data(), nullptr};

    char errorsPath[] = "/tmp/vyr-errors-XXXXXX";
    const int errors = mkstemp(errorsPath);
    if (errors < 0) {
        ADD_FAILURE() << "cannot make a file for standard error";
        return {};
    }
    unlink(errorsPath);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&files, errors, STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t child = 0;
    const int started = posix_spawn(&child, path.c_str(), &files, &attributes, argv, envp.data());
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    if (started != 0) {
        ADD_FAILURE() << "cannot start " << path << ": " << std::strerror(started);
        close(errors);
        return {};
    }
    ProgramRun run = WaitForVyr(child);
    run.errors = ReadWhole(errors);
    close(errors);
    return run;
}

ProgramRun RunVyr(const std::string& script) {
    return RunVyrWith({"LUMENBOX_DISPLAY=headless", "LUMENBOX_HEADLESS_SCRIPT=" + script});
}

ProgramRun WaitForVyr(pid_t child) {
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

// With no display at all vyr says so and why, naming what it tried, and
// ends with 1 instead of waiting for keys that can never come.
TEST(VyrProgram, WithoutADisplayItNamesTheCauseAndEndsWithOne) {
    const struct {
        std::vector<std::string> settings;
        std::vector<std::string> mentions;
    } cases[] = {
        {{"LUMENBOX_DISPLAY=bogus"}, {"\"bogus\"", "headless, sdl, terminal", "status -4"}},
        {{"LUMENBOX_DISPLAY=terminal"}, {"terminal", "status -4"}},
        {{"LUMENBOX_DISPLAY=sdl"}, {"sdl", "status -4"}},
        {{}, {"tried sdl", "terminal", "status -4"}},
        {{"LUMENBOX_DISPLAY="}, {"tried sdl", "terminal", "status -4"}},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunVyrWith(c.settings);
        SCOPED_TRACE(c.settings.empty() ? std::string("nothing set") : c.settings.front());
        ASSERT_TRUE(run.exited);
        ASSERT_TRUE(WIFEXITED(run.status));
        EXPECT_EQ(WEXITSTATUS(run.status), 1);
        for (const std::string& words : c.mentions) {
            EXPECT_NE(run.errors.find(words), std::string::npos) << "missing '" << words << "' in:\n" << run.errors;
        }
        EXPECT_EQ(run.errors.find("does not fit"), std::string::npos) << run.errors;
    }
}

}  // namespace

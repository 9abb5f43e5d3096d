// A process that ends with a recording open still leaves a file that
// decodes: by returning from main, calling exit, or being stopped by SIGTERM
// or Ctrl+C (SIGINT). Each case runs a helper program of its own.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graph/recording/gif_decoding.h"

extern char** environ;

namespace lumenbox::recording_tests {
namespace {

constexpr std::uint32_t RedRgb = 0xC81E28;
constexpr std::uint32_t BlueRgb = 0x1432D2;
constexpr int Width = 640;

// The helper's wait status, or -1 when it could not be started.
int RunHelper(const std::string& mode, const std::string& path) {
    std::vector<std::string> arguments = {LUMENBOX_RECORDING_EXIT_HELPER, mode, path};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment = {"LUMENBOX_DISPLAY=headless"};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string text = *variable;
        if (text.rfind("LUMENBOX_", 0) != 0) environment.push_back(text);
    }
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child) return -1;
    return status;
}

class RecordingExitTest : public ::testing::Test {
protected:
    void TearDown() override { std::remove(path_.c_str()); }
    std::string path_ = TemporaryGifPath("exit");
};

// The frames the helper presented, as many as reached the file.
void ExpectHelperFrames(const DecodedGif& gif, std::size_t frames) {
    ASSERT_TRUE(gif.ok) << gif.error;
    ASSERT_EQ(gif.frames.size(), frames);
    EXPECT_EQ(gif.frames[0].pixels[20 * Width + 10], 0x000000u);
    EXPECT_EQ(gif.frames[0].delay, 10);
    EXPECT_EQ(gif.frames[1].pixels[20 * Width + 10], RedRgb);
    EXPECT_EQ(gif.frames[1].pixels[0], 0x000000u);
    if (frames > 2) {
        EXPECT_EQ(gif.frames[2].pixels[0], BlueRgb);
    }
}

TEST_F(RecordingExitTest, ReturningFromMainFinishesTheFile) {
    const int status = RunHelper("return", path_);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ExpectHelperFrames(DecodeGif(path_), 3);
}

TEST_F(RecordingExitTest, ExitFinishesTheFile) {
    const int status = RunHelper("exit", path_);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    ASSERT_EQ(WEXITSTATUS(status), 3);
    ExpectHelperFrames(DecodeGif(path_), 3);
}

// A signal ends the process at once: the frames already written stay, and
// the process still ends by the signal, as it would have without recording.
TEST_F(RecordingExitTest, SigtermLeavesTheFramesWrittenSoFarWhole) {
    const int status = RunHelper("sigterm", path_);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << (WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    ExpectHelperFrames(gif, gif.frames.size() >= 2 ? gif.frames.size() : 2);
}

TEST_F(RecordingExitTest, CtrlCLeavesTheFramesWrittenSoFarWhole) {
    const int status = RunHelper("sigint", path_);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << (WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    EXPECT_EQ(WTERMSIG(status), SIGINT);
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    ExpectHelperFrames(gif, gif.frames.size() >= 2 ? gif.frames.size() : 2);
}

}  // namespace
}  // namespace lumenbox::recording_tests

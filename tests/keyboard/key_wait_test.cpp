// A reader waiting in NextKey sleeps until something happens to the queue:
// it is not woken while nothing comes, and a key or the window's end wakes it.
#include <chrono>
#include <fstream>
#include <future>
#include <optional>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "key_test_window.h"

namespace lumenbox {
namespace {

// How often a thread has given up the processor of its own accord: each
// sleep and each return to one counts once.
long VoluntarySwitchesOf(long threadId) {
    std::ifstream status("/proc/self/task/" + std::to_string(threadId) + "/status");
    std::string line;
    const std::string field = "voluntary_ctxt_switches:";
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(field.size()));
    }
    return -1;
}

using keytest::WaitingReader;

class KeyWaitTest : public testing::Test {
protected:
    void SetUp() override { keytest::OpenKeyWindow(); }
    void TearDown() override { keytest::CloseKeyWindow(); }
};

// A reader that looked at the queue every few milliseconds would give up the
// processor dozens of times in this span; one that sleeps until told does
// not wake at all. The bound leaves room for a stray wake-up.
constexpr std::chrono::milliseconds QuietSpan{400};
constexpr long MostWakeUpsWhileQuiet = 4;

TEST_F(KeyWaitTest, AReaderWithNothingToReadSleepsUntilAKeyComes) {
    WaitingReader reader;
    const long before = VoluntarySwitchesOf(reader.ThreadId());
    ASSERT_GE(before, 0) << "no switch count for the reader's thread";
    std::this_thread::sleep_for(QuietSpan);
    const long after = VoluntarySwitchesOf(reader.ThreadId());
    EXPECT_LE(after - before, MostWakeUpsWhileQuiet);
    PutKey(65);
    EXPECT_EQ(reader.Result(), std::optional<std::uint8_t>(65));
}

TEST_F(KeyWaitTest, AReaderWithNothingToReadSleepsUntilTheWindowCloses) {
    WaitingReader reader;
    const long before = VoluntarySwitchesOf(reader.ThreadId());
    std::this_thread::sleep_for(QuietSpan);
    const long after = VoluntarySwitchesOf(reader.ThreadId());
    EXPECT_LE(after - before, MostWakeUpsWhileQuiet);
    CloseGraphics();
    EXPECT_EQ(reader.Result(), std::optional<std::uint8_t>(0));
}

TEST_F(KeyWaitTest, TheCloseButtonWakesAReaderWithItsExtendedKey) {
    WaitingReader reader;
    PutExtendedKey(107);
    EXPECT_EQ(reader.Result(), std::optional<std::uint8_t>(0));
    EXPECT_EQ(NextKey(), 107);
}

TEST_F(KeyWaitTest, ManyKeysInARowEachWakeTheReaderAgain) {
    std::future<std::string> typed = std::async(std::launch::async, [] {
        std::string text;
        for (std::uint8_t key = NextKey(); key != '.'; key = NextKey()) text += static_cast<char>(key);
        return text;
    });
    const std::string sent = "the quick brown fox";
    for (const char c : sent) {
        PutKey(static_cast<std::uint8_t>(c));
        std::this_thread::yield();
    }
    PutKey('.');
    ASSERT_EQ(typed.wait_for(keytest::KeyArrivalLimit), std::future_status::ready);
    EXPECT_EQ(typed.get(), sent);
}

}  // namespace
}  // namespace lumenbox

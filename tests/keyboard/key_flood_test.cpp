// A flood of keys through the real path: the display posts key messages,
// the window thread translates them into the key queue, and the program's
// thread reads them at the same time. The reader may miss keys when the
// queue is full, but what it reads is always a run of what was typed, in
// order, each key whole; and a reader that stops for a while finds exactly
// the newest keys that fit in the queue.
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <initializer_list>
#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/win/user.h>

#include "support/test_window.h"

namespace lumenbox {
namespace {

namespace headless = lumenbox::display::headless;

// A million keys in every build: the path from the display to the queue is
// cheap enough for that even under the sanitizers.
constexpr std::int64_t FloodKeys = 1'000'000;
// Each round: keys typed while the program reads, then a burst typed while
// it does not read at all, which must overflow the queue.
constexpr std::int64_t ReadingKeysPerRound = 9'900;
constexpr std::int64_t BurstKeys = 100;
constexpr std::int64_t KeysPerRound = ReadingKeysPerRound + BurstKeys;
// How far typing may run ahead of the window thread, in keys, so that the
// message queue stays small.
constexpr std::int64_t MaxKeysInFlight = 64;
// Bytes the key queue holds at most.
constexpr std::int64_t QueueBytes = 31;
// Long enough for any machine and sanitizer; only a lost key runs into it.
constexpr auto ArrivalLimit = std::chrono::seconds(20);

struct Key {
    int virtualKey;
    std::uint8_t code;  // the character, or the extended code after the 0
    bool extended;
};

// Letters and digits arrive as their lower-case character; the cursor and
// editing keys as 0 and their extended code. The extended codes (71 to 83)
// are upper-case letters as characters, which are never typed here, so a
// code that lost its 0, or a 0 that lost its code, cannot pass for a key.
constexpr std::array<Key, 46> KeyTable = [] {
    std::array<Key, 46> keys{};
    std::size_t n = 0;
    for (int letter = 'A'; letter <= 'Z'; ++letter) {
        keys[n++] = Key{letter, static_cast<std::uint8_t>(letter - 'A' + 'a'), false};
    }
    for (int digit = '0'; digit <= '9'; ++digit) {
        keys[n++] = Key{digit, static_cast<std::uint8_t>(digit), false};
    }
    const std::array<Key, 10> editing{{{win::VK_PRIOR, 73, true},
                                       {win::VK_NEXT, 81, true},
                                       {win::VK_END, 79, true},
                                       {win::VK_HOME, 71, true},
                                       {win::VK_LEFT, 75, true},
                                       {win::VK_UP, 72, true},
                                       {win::VK_RIGHT, 77, true},
                                       {win::VK_DOWN, 80, true},
                                       {win::VK_INSERT, 82, true},
                                       {win::VK_DELETE, 83, true}}};
    for (const Key& key : editing) {
        keys[n++] = key;
    }
    return keys;
}();

// The key typed at position i: every run of 46 holds each key once, with
// the extended keys spread among the characters.
const Key& KeyAt(std::int64_t i) { return KeyTable[static_cast<std::size_t>((i * 17) % 46)]; }

bool IsExtendedKey(win::WPARAM virtualKey) {
    for (const Key& key : KeyTable) {
        if (key.extended && static_cast<win::WPARAM>(key.virtualKey) == virtualKey) return true;
    }
    return false;
}

// Keys whose bytes the window thread has put into the queue, counted on the
// window thread around the keyboard unit's own handler: a character is put
// at its WM_CHAR, an extended key at its WM_KEYDOWN.
std::atomic<std::int64_t> KeysQueued{0};

win::LRESULT CountingKeyHook(win::HWND window, std::uint32_t message, win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT result = KeyMessageHandler(window, message, wParam, lParam);
    if (message == win::WM_CHAR || (message == win::WM_KEYDOWN && IsExtendedKey(wParam))) {
        KeysQueued.fetch_add(1, std::memory_order_release);
    }
    return result;
}

// The user at the keyboard: types the keys one after the other, never more
// than the program lets it (`allowed`) and never too far ahead of the window.
class Typist {
public:
    Typist() : thread_([this] { Run(); }) {}
    ~Typist() {
        stop_.store(true);
        thread_.join();
    }
    void Allow(std::int64_t keys) { allowed_.store(keys); }

private:
    void Run() {
        std::int64_t typed = 0;
        while (typed < FloodKeys && !stop_.load()) {
            if (typed >= allowed_.load() || typed - KeysQueued.load() >= MaxKeysInFlight) {
                std::this_thread::yield();
                continue;
            }
            headless::TypeKey(KeyAt(typed).virtualKey);
            ++typed;
        }
    }

    std::atomic<std::int64_t> allowed_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

template <class Condition>
bool WaitUntil(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + ArrivalLimit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

struct ReadKey {
    std::uint8_t code;
    bool extended;
    // Keys counted as queued before the first byte was taken and after the
    // last. The count follows the put, so the key itself may not be counted
    // yet: its position lies in [before - QueueBytes, after].
    std::int64_t before;
    std::int64_t after;
};

// One key as the program reads it; nothing if its code never comes.
std::optional<ReadKey> NextWholeKey() {
    const std::int64_t before = KeysQueued.load(std::memory_order_acquire);
    const std::uint8_t first = NextKey();
    if (first != 0) {
        return ReadKey{first, false, before, KeysQueued.load(std::memory_order_acquire)};
    }
    // Not NextKey at once: it would wait for good if the code were lost.
    if (!WaitUntil([] { return KeyWaiting(); })) return std::nullopt;
    const std::uint8_t code = NextKey();
    return ReadKey{code, true, before, KeysQueued.load(std::memory_order_acquire)};
}

std::string Describe(std::uint8_t code, bool extended) {
    return extended ? "(0, " + std::to_string(code) + ")" : std::to_string(code);
}

// Checks what the program reads against what was typed.
class FloodReader {
public:
    // Reads while the typist types keys up to `end`, until all of them are
    // queued and the queue is empty. Each key read must be a later key than
    // the one before it, one that was queued before it was read, and one that
    // was still among the newest QueueBytes bytes when the read began.
    void ReadWhileTyping(std::int64_t end) {
        for (;;) {
            if (!KeyWaiting()) {
                if (KeysQueued.load() >= end && !KeyWaiting()) return;
                std::this_thread::yield();
                continue;
            }
            const std::optional<ReadKey> key = NextWholeKey();
            if (!key) {
                Fail("an extended key lost its code after key " + std::to_string(last_));
                return;
            }
            ++read_;
            Match(*key);
        }
    }

    // Reads what a program finds after not reading while `keys` keys from
    // `begin` were queued: the newest of them that fit in the queue, whole.
    void ReadBurst(std::int64_t begin, std::int64_t keys) {
        std::vector<std::uint8_t> found;
        while (KeyWaiting()) found.push_back(NextKey());
        std::vector<std::uint8_t> expected;
        std::int64_t first = begin + keys;
        std::int64_t bytes = 0;
        while (first > begin && bytes + (KeyAt(first - 1).extended ? 2 : 1) <= QueueBytes) {
            --first;
            bytes += KeyAt(first).extended ? 2 : 1;
        }
        for (std::int64_t i = first; i < begin + keys; ++i) {
            if (KeyAt(i).extended) expected.push_back(0);
            expected.push_back(KeyAt(i).code);
        }
        if (found != expected) {
            Fail("after a burst of keys " + std::to_string(begin) + " to " + std::to_string(begin + keys - 1) +
                 " the queue held " + testing::PrintToString(found) + ", expected keys " + std::to_string(first) +
                 " on: " + testing::PrintToString(expected));
        }
        read_ += begin + keys - first;
        last_ = begin + keys - 1;
        ++bursts_;
    }

    std::int64_t Read() const { return read_; }
    std::int64_t Bursts() const { return bursts_; }
    const std::vector<std::string>& Failures() const { return failures_; }

private:
    // The earliest typed key that fits is taken: choosing a later one could
    // only leave fewer candidates for the keys read after it.
    void Match(const ReadKey& key) {
        const std::int64_t from = std::max(last_ + 1, key.before - QueueBytes);
        for (std::int64_t i = from; i <= key.after; ++i) {
            if (KeyAt(i).code == key.code && KeyAt(i).extended == key.extended) {
                last_ = i;
                return;
            }
        }
        Fail("read " + Describe(key.code, key.extended) + " after key " + std::to_string(last_) +
             ", but no key typed from " + std::to_string(from) + " to " + std::to_string(key.after) +
             " is that");
    }

    void Fail(std::string what) {
        if (failures_.size() < 10) failures_.push_back(std::move(what));
    }

    std::int64_t last_ = -1;  // position of the last key matched
    std::int64_t read_ = 0;
    std::int64_t bursts_ = 0;
    std::vector<std::string> failures_;
};

class KeyFloodTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(headless::IsActive()) << "the tests run on the headless display";
        headless::Reset();
        // Only while no window thread runs: the window thread reads KeyHook.
        savedHook_ = GraphState.KeyHook;
        GraphState.KeyHook = CountingKeyHook;
        ASSERT_NO_FATAL_FAILURE(test_support::OpenTestWindow(3, 4, "key flood"));
        KeysQueued.store(0);
    }
    void TearDown() override {
        test_support::CloseTestWindow();
        GraphState.KeyHook = savedHook_;
        headless::Reset();
    }

private:
    KeyHookProc savedHook_ = nullptr;
};

TEST_F(KeyFloodTest, WhatIsReadIsTheTypedKeysInOrderEachWhole) {
    FloodReader reader;
    Typist typist;
    for (std::int64_t begin = 0; begin < FloodKeys; begin += KeysPerRound) {
        const std::int64_t readingEnd = std::min(begin + ReadingKeysPerRound, FloodKeys);
        typist.Allow(readingEnd);
        reader.ReadWhileTyping(readingEnd);
        const std::int64_t burstEnd = std::min(readingEnd + BurstKeys, FloodKeys);
        typist.Allow(burstEnd);
        ASSERT_TRUE(WaitUntil([&] { return KeysQueued.load() >= burstEnd; }))
            << "the window thread queued " << KeysQueued.load() << " of " << burstEnd << " keys";
        reader.ReadBurst(readingEnd, burstEnd - readingEnd);
        if (reader.Failures().size() >= 10) break;
    }

    EXPECT_TRUE(reader.Failures().empty()) << testing::PrintToString(reader.Failures());
    EXPECT_EQ(KeysQueued.load(), FloodKeys);
    std::cout << "[ flood    ] " << FloodKeys << " keys typed, " << reader.Read() << " read, "
              << FloodKeys - reader.Read() << " dropped; " << reader.Bursts() << " overflowing bursts\n";
}

// What the flood meets by chance, step by step: the program has taken the 0
// of the oldest key when the queue overflows. The key it has begun keeps its
// code, and the key after it is dropped instead, whole. Every starting slot
// is tried, so that the code also moves across the end of the ring.
class KeyQueueOverflowWhileReadingTest : public testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        ASSERT_NO_FATAL_FAILURE(test_support::OpenTestWindow(3, 4, "key flood"));
    }
    void TearDown() override { test_support::CloseTestWindow(); }

    // Starts with an empty queue whose next byte goes into slot 1 + offset.
    static void EmptyQueueAt(int offset) {
        ResetKeyQueue();
        for (int i = 0; i < offset; ++i) {
            PutKey(1);
            NextKey();
        }
    }

    static std::vector<std::uint8_t> DrainQueue() {
        std::vector<std::uint8_t> bytes;
        while (KeyWaiting()) bytes.push_back(NextKey());
        return bytes;
    }

    static std::vector<std::uint8_t> Bytes(std::initializer_list<int> lead, int first, int last) {
        std::vector<std::uint8_t> bytes(lead.begin(), lead.end());
        for (int code = first; code <= last; ++code) bytes.push_back(static_cast<std::uint8_t>(code));
        return bytes;
    }
};

TEST_F(KeyQueueOverflowWhileReadingTest, TheBegunKeyKeepsItsCodeAndTheNextOrdinaryKeyGoes) {
    for (int offset = 0; offset < 32; ++offset) {
        SCOPED_TRACE(testing::Message() << "starting at slot " << 1 + offset);
        EmptyQueueAt(offset);
        PutExtendedKey(72);
        for (int code = 1; code <= 29; ++code) PutKey(static_cast<std::uint8_t>(code));  // 31 bytes: full
        ASSERT_EQ(NextKey(), 0);
        PutKey(30);
        PutKey(31);  // overflows
        EXPECT_EQ(DrainQueue(), Bytes({72}, 2, 31));
    }
}

TEST_F(KeyQueueOverflowWhileReadingTest, TheBegunKeyKeepsItsCodeAndTheNextExtendedKeyGoesWhole) {
    for (int offset = 0; offset < 32; ++offset) {
        SCOPED_TRACE(testing::Message() << "starting at slot " << 1 + offset);
        EmptyQueueAt(offset);
        PutExtendedKey(72);
        PutExtendedKey(75);
        for (int code = 1; code <= 27; ++code) PutKey(static_cast<std::uint8_t>(code));  // 31 bytes: full
        ASSERT_EQ(NextKey(), 0);
        PutKey(28);
        PutKey(29);  // overflows
        EXPECT_EQ(DrainQueue(), Bytes({72}, 1, 29));
    }
}

TEST_F(KeyQueueOverflowWhileReadingTest, AfterTheCodeIsTakenTheOldestKeyGoesAgain) {
    EmptyQueueAt(0);
    PutExtendedKey(72);
    ASSERT_EQ(NextKey(), 0);
    ASSERT_EQ(NextKey(), 72);
    PutExtendedKey(80);
    for (int code = 1; code <= 29; ++code) PutKey(static_cast<std::uint8_t>(code));  // full
    PutKey(30);  // drops 0, 80 whole
    EXPECT_EQ(DrainQueue(), Bytes({}, 1, 30));
}

}  // namespace
}  // namespace lumenbox

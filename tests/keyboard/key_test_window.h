// A graphics window on the headless display for keyboard tests, and reading
// keys with a liveness guard: a key that never arrives fails the test instead
// of hanging it in NextKey.
#pragma once

#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <future>
#include <optional>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>

#include "support/test_window.h"

namespace lumenbox::keytest {

namespace headless = lumenbox::display::headless;

// Opens the 256-colour 640 x 480 window that vyr uses, with every key up.
inline void OpenKeyWindow() {
    headless::Reset();
    ASSERT_NO_FATAL_FAILURE(test_support::OpenTestWindow(3, 4, "keys"));
    ASSERT_TRUE(headless::IsActive()) << "the tests run on the headless display";
}

inline void CloseKeyWindow() { test_support::CloseTestWindow(); }

// Long enough for any machine and sanitizer; only a lost key runs into it.
inline constexpr std::chrono::seconds KeyArrivalLimit{20};

// The next key byte, or nothing if none arrives within the limit.
inline std::optional<std::uint8_t> AwaitKeyByte() {
    const auto deadline = std::chrono::steady_clock::now() + KeyArrivalLimit;
    while (!KeyWaiting()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return NextKey();
}

// A reader in NextKey on a thread of its own, inside its wait once made.
// Its thread id is known, so that its sleeps can be counted.
class WaitingReader {
public:
    WaitingReader()
        : result_(std::async(std::launch::async, [this] {
              threadId_.set_value(static_cast<long>(syscall(SYS_gettid)));
              return NextKey();
          })) {
        id_ = threadId_.get_future().get();
        // Long enough for the reader to be inside its wait.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    long ThreadId() const { return id_; }
    // What NextKey gave; nothing, and a failure, if it is still waiting after
    // the limit (a key is then put so that the thread ends).
    std::optional<std::uint8_t> Result() {
        if (result_.wait_for(KeyArrivalLimit) == std::future_status::ready) return result_.get();
        ADD_FAILURE() << "NextKey is still waiting";
        PutKey(99);
        result_.wait();
        return std::nullopt;
    }

private:
    std::promise<long> threadId_;
    long id_ = 0;
    std::future<std::uint8_t> result_;
};

// 'q', typed after the key under test: its character marks the end of what
// that key put, since the window thread handles messages in order.
inline constexpr int MarkerKey = 'Q';
inline constexpr std::uint8_t MarkerByte = 'q';

// The bytes queued before the marker's character. An extended key is kept
// whole (0 and its code), so a code equal to the marker is not taken for it.
inline std::vector<std::uint8_t> ReadKeysUntilMarker() {
    std::vector<std::uint8_t> bytes;
    for (;;) {
        const std::optional<std::uint8_t> byte = AwaitKeyByte();
        if (!byte) {
            ADD_FAILURE() << "the marker key never arrived; got so far " << testing::PrintToString(bytes);
            return bytes;
        }
        if (*byte == MarkerByte) {
            return bytes;
        }
        bytes.push_back(*byte);
        if (*byte == 0) {
            const std::optional<std::uint8_t> code = AwaitKeyByte();
            if (!code) {
                ADD_FAILURE() << "an extended key lost its code";
                return bytes;
            }
            bytes.push_back(*code);
        }
    }
}

// What typing the key with the modifiers held puts into the queue: the
// modifiers go down in order and up in reverse, as a user's fingers do.
inline std::vector<std::uint8_t> KeysTyped(int virtualKey, const std::vector<int>& modifiers = {}) {
    for (int modifier : modifiers) {
        headless::PressKey(modifier);
    }
    headless::TypeKey(virtualKey);
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier) {
        headless::ReleaseKey(*modifier);
    }
    headless::TypeKey(MarkerKey);
    return ReadKeysUntilMarker();
}

}  // namespace lumenbox::keytest

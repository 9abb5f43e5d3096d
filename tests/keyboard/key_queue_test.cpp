// The key queue at its edges: capacity, dropping the oldest key whole, index
// wrap-around, waiting readers, and what survives closing and reopening.
#include <chrono>
#include <cstdlib>
#include <future>
#include <optional>
#include <thread>

#include <gtest/gtest.h>

#include "key_test_window.h"

namespace lumenbox {
namespace {

using keytest::AwaitKeyByte;

class KeyQueueTest : public testing::Test {
protected:
    void SetUp() override { keytest::OpenKeyWindow(); }
    void TearDown() override { keytest::CloseKeyWindow(); }

    // Reads every queued byte; NextKey is only called while a byte is there.
    static std::vector<std::uint8_t> DrainQueue() {
        std::vector<std::uint8_t> bytes;
        while (KeyWaiting()) {
            bytes.push_back(NextKey());
        }
        return bytes;
    }

    static std::vector<std::uint8_t> Range(int first, int last) {
        std::vector<std::uint8_t> bytes;
        for (int code = first; code <= last; ++code) {
            bytes.push_back(static_cast<std::uint8_t>(code));
        }
        return bytes;
    }
};

TEST(KeyQueueBeforeAnyWindow, IsEmptyAndNextKeyReturnsZeroAtOnce) {
    // A fresh process, so that no earlier test has opened a window.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool installed = GraphState.KeyHook == &KeyMessageHandler;
            const bool empty = !KeyWaiting() && KeyReadIndex.load() == 0 && KeyWriteIndex.load() == 0;
            const bool zero = NextKey() == 0;
            std::exit(installed && empty && zero ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(KeyQueueTest, OpeningStartsWithAnEmptyQueueAtSlotOne) {
    EXPECT_FALSE(KeyWaiting());
    EXPECT_EQ(KeyReadIndex.load(), 1);
    EXPECT_EQ(KeyWriteIndex.load(), 1);
}

TEST_F(KeyQueueTest, ThirtyOneKeysAreAllKeptInOrder) {
    for (int code = 1; code <= 31; ++code) {
        PutKey(static_cast<std::uint8_t>(code));
    }
    EXPECT_EQ(DrainQueue(), Range(1, 31));
}

TEST_F(KeyQueueTest, TheThirtySecondKeyDropsTheOldest) {
    for (int code = 1; code <= 32; ++code) {
        PutKey(static_cast<std::uint8_t>(code));
    }
    EXPECT_EQ(DrainQueue(), Range(2, 32));
}

TEST_F(KeyQueueTest, AFullQueueDropsAnExtendedKeyWholeLeavingThirtyBytes) {
    PutExtendedKey(72);
    for (int code = 1; code <= 29; ++code) {  // 31 bytes: full
        PutKey(static_cast<std::uint8_t>(code));
    }
    PutKey(30);
    EXPECT_EQ(DrainQueue(), Range(1, 30));
}

TEST_F(KeyQueueTest, AZeroInTheOldestSlotAlwaysOpensAnExtendedKey) {
    // Two ordinary keys, the first a 0 character: dropping the 0 takes the
    // byte after it too.
    PutKey(0);
    PutKey(200);
    for (int code = 1; code <= 29; ++code) {
        PutKey(static_cast<std::uint8_t>(code));
    }
    PutKey(30);
    EXPECT_EQ(DrainQueue(), Range(1, 30));
}

TEST_F(KeyQueueTest, IndicesRunToThirtyTwoAndWrapToOne) {
    for (int code = 1; code <= 32; ++code) {
        PutKey(static_cast<std::uint8_t>(code));
        ASSERT_EQ(NextKey(), code);
        const std::int32_t expected = code == 32 ? 1 : code + 1;
        ASSERT_EQ(KeyReadIndex.load(), expected);
        ASSERT_EQ(KeyWriteIndex.load(), expected);
    }
}

TEST(AdvanceKeyIndexTest, AddsOneAndWrapsThirtyTwoToOne) {
    std::atomic<std::int32_t> index{0};
    AdvanceKeyIndex(index);
    EXPECT_EQ(index.load(), 1);
    index = 31;
    AdvanceKeyIndex(index);
    EXPECT_EQ(index.load(), 32);
    AdvanceKeyIndex(index);
    EXPECT_EQ(index.load(), 1);
}

TEST_F(KeyQueueTest, ResetEmptiesTheQueueButKeepsTheSlots) {
    PutKey(65);
    PutKey(66);
    ResetKeyQueue();
    EXPECT_FALSE(KeyWaiting());
    EXPECT_EQ(KeyQueue[1], 65);
    EXPECT_EQ(KeyQueue[2], 66);
}

TEST_F(KeyQueueTest, NextKeyOnAnEmptyQueueWaitsForTheNextByte) {
    std::thread producer([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        PutKey(65);
    });
    EXPECT_EQ(NextKey(), 65);
    producer.join();
    EXPECT_FALSE(KeyWaiting());
}

TEST_F(KeyQueueTest, NextKeyWaitsForTheCodeOfAnExtendedKeyThatIsHalfThere) {
    PutKey(0);  // the first of the two separate puts of an extended key
    EXPECT_EQ(NextKey(), 0);
    EXPECT_FALSE(KeyWaiting());
    std::thread producer([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        PutKey(72);
    });
    EXPECT_EQ(NextKey(), 72);
    producer.join();
}

TEST_F(KeyQueueTest, KeysOutliveTheWindowButOnlyTheNextWindowDiscardsThem) {
    PutKey(7);
    PutExtendedKey(59);
    CloseGraphics();
    ASSERT_FALSE(IsGraphOpen());

    EXPECT_TRUE(KeyWaiting());
    EXPECT_EQ(NextKey(), 0);  // without a window: returns at once, takes nothing
    EXPECT_EQ(KeyWriteIndex.load() - KeyReadIndex.load(), 3);

    keytest::OpenKeyWindow();
    EXPECT_FALSE(KeyWaiting());
    PutKey(8);
    EXPECT_EQ(AwaitKeyByte(), std::optional<std::uint8_t>(8));
}

using keytest::WaitingReader;

TEST_F(KeyQueueTest, ClosingTheWindowWakesAWaitingReaderWithZero) {
    WaitingReader reader;
    CloseGraphics();
    EXPECT_EQ(reader.Result(), std::optional<std::uint8_t>(0));
}

TEST_F(KeyQueueTest, AReaderOfAClosedWindowNeverTakesTheNextWindowsKeys) {
    WaitingReader reader;
    CloseGraphics();
    keytest::OpenKeyWindow();
    PutKey(9);
    EXPECT_EQ(reader.Result(), std::optional<std::uint8_t>(0));
    ASSERT_TRUE(KeyWaiting());
    EXPECT_EQ(NextKey(), 9);
}

}  // namespace
}  // namespace lumenbox

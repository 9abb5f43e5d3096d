// Re-entrant critical sections: ownership, hand-over between threads, and the
// harmless treatment of sections that are not (or no longer) initialised.
#include <lumenbox/win/kernel.h>

#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace lumenbox::win;

// Whether another thread could take the section right now.
bool OtherThreadCanEnter(CRITICAL_SECTION& section) {
    BOOL entered = FALSE;
    std::thread([&] {
        entered = TryEnterCriticalSection(&section);
        if (entered) LeaveCriticalSection(&section);
    }).join();
    return entered == TRUE;
}

class CriticalSectionTest : public ::testing::Test {
protected:
    void SetUp() override { InitializeCriticalSection(&section_); }
    void TearDown() override { DeleteCriticalSection(&section_); }
    CRITICAL_SECTION section_;
};

TEST_F(CriticalSectionTest, OwnerEntersAgainAndMustLeaveAsOften) {
    EnterCriticalSection(&section_);
    EnterCriticalSection(&section_);
    EXPECT_EQ(TryEnterCriticalSection(&section_), TRUE);  // a third level, from the owner
    EXPECT_FALSE(OtherThreadCanEnter(section_));
    LeaveCriticalSection(&section_);
    LeaveCriticalSection(&section_);
    EXPECT_FALSE(OtherThreadCanEnter(section_));
    LeaveCriticalSection(&section_);
    EXPECT_TRUE(OtherThreadCanEnter(section_));
}

TEST_F(CriticalSectionTest, WaiterBlocksUntilTheOwnerHasLeftEveryLevel) {
    EnterCriticalSection(&section_);
    EnterCriticalSection(&section_);
    std::atomic<bool> acquired{false};
    std::thread waiter([&] {
        EnterCriticalSection(&section_);
        acquired = true;
        LeaveCriticalSection(&section_);
    });
    Sleep(20);  // give the waiter time to block
    EXPECT_FALSE(acquired);
    LeaveCriticalSection(&section_);
    Sleep(20);
    EXPECT_FALSE(acquired);
    LeaveCriticalSection(&section_);
    waiter.join();
    EXPECT_TRUE(acquired);
}

TEST_F(CriticalSectionTest, KeepsContendingThreadsApart) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 20000;
    long counter = 0;  // deliberately plain: only the lock keeps it right
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i) {
                EnterCriticalSection(&section_);
                EnterCriticalSection(&section_);  // nested, as drawing inside a locked switch does
                ++counter;
                LeaveCriticalSection(&section_);
                ++counter;
                LeaveCriticalSection(&section_);
            }
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(counter, 2L * kThreads * kRounds);
    EXPECT_EQ(section_.State.load(), 0u);
    EXPECT_EQ(section_.OwningThread.load(), 0u);
}

TEST_F(CriticalSectionTest, LeavingASectionYouDoNotOwnChangesNothing) {
    EnterCriticalSection(&section_);
    std::thread([&] { LeaveCriticalSection(&section_); }).join();
    EXPECT_FALSE(OtherThreadCanEnter(section_));
    LeaveCriticalSection(&section_);
    LeaveCriticalSection(&section_);  // one more than entered: ignored
    EXPECT_TRUE(OtherThreadCanEnter(section_));
    EnterCriticalSection(&section_);  // and the lock still works normally
    EXPECT_FALSE(OtherThreadCanEnter(section_));
    LeaveCriticalSection(&section_);
}

TEST_F(CriticalSectionTest, DeletingWakesAWaiterWithoutTheLock) {
    EnterCriticalSection(&section_);
    std::thread waiter([&] { EnterCriticalSection(&section_); });
    Sleep(20);
    DeleteCriticalSection(&section_);
    waiter.join();  // returns instead of waiting for ever
    LeaveCriticalSection(&section_);  // the deleted section ignores it
    EXPECT_EQ(section_.State.load(), 0u);
}

TEST(CriticalSectionLifetime, UninitialisedSectionDoesNothing) {
    CRITICAL_SECTION section;  // zeroed storage, never initialised
    EnterCriticalSection(&section);
    EnterCriticalSection(&section);
    EXPECT_EQ(TryEnterCriticalSection(&section), FALSE);
    LeaveCriticalSection(&section);
    EXPECT_EQ(section.State.load(), 0u);
    EXPECT_EQ(section.OwningThread.load(), 0u);
    EnterCriticalSection(nullptr);
    EXPECT_EQ(TryEnterCriticalSection(nullptr), FALSE);
    LeaveCriticalSection(nullptr);
    DeleteCriticalSection(nullptr);
}

TEST(CriticalSectionLifetime, DeletedSectionDoesNothingUntilInitialisedAgain) {
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    DeleteCriticalSection(&section);
    EnterCriticalSection(&section);
    EXPECT_EQ(section.State.load(), 0u);
    EXPECT_FALSE(OtherThreadCanEnter(section));  // nobody can enter a deleted section
    LeaveCriticalSection(&section);

    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EXPECT_FALSE(OtherThreadCanEnter(section));
    LeaveCriticalSection(&section);
    EXPECT_TRUE(OtherThreadCanEnter(section));
    DeleteCriticalSection(&section);
}

}  // namespace

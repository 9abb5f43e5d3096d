// A thread that sleeps on a lock is woken by the release that frees it, with
// no timed retry to fall back on: were a wake-up ever lost, the waiter would
// sleep for ever and the guard below would fail the test. The guard's limit
// only tells a hang from a slow machine; it measures nothing.
#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include <lumenbox/win/kernel.h>

#include "platform/kernel/lock_word.h"

namespace lumenbox::win {
namespace {

// Runs `work` on its own thread and reports whether it finished before the
// hang limit. A thread still stuck then cannot be joined, so the process
// ends with the failure rather than hanging the suite.
bool FinishesWithoutHanging(std::function<void()> work) {
    constexpr auto kHangLimit = std::chrono::seconds(60);
    std::packaged_task<void()> task(std::move(work));
    std::future<void> done = task.get_future();
    std::thread runner(std::move(task));
    if (done.wait_for(kHangLimit) != std::future_status::ready) {
        std::fprintf(stderr, "a waiter was never woken: the lock lost a wake-up\n");
        std::_Exit(1);
    }
    runner.join();
    return true;
}

// 'S' while the thread sleeps in the kernel (a futex wait), from its stat line.
char TaskState(long tid) {
    std::ifstream stat("/proc/self/task/" + std::to_string(tid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    return close == std::string::npos || close + 2 >= line.size() ? '?' : line[close + 2];
}

template <class Condition>
bool WaitUntil(Condition done) {
    for (int tries = 0; tries < 20000; ++tries) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return false;
}

TEST(LockWakeUp, LeavingWakesAWaiterAsleepInTheKernel) {
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    std::atomic<long> waiterTid{0};
    std::atomic<bool> entered{false};
    std::thread waiter([&] {
        waiterTid.store(syscall(SYS_gettid));
        EnterCriticalSection(&section);
        entered.store(true);
        LeaveCriticalSection(&section);
    });
    // Marked as waited for, and the waiter gone to sleep rather than spinning.
    const bool asleep = WaitUntil([&] {
        return waiterTid.load() != 0 && section.State.load() == 2 && TaskState(waiterTid.load()) == 'S';
    });
    EXPECT_TRUE(asleep) << "the waiter never went to sleep on the lock";
    EXPECT_FALSE(entered.load());
    LeaveCriticalSection(&section);
    EXPECT_TRUE(FinishesWithoutHanging([&] { waiter.join(); }));
    EXPECT_TRUE(entered.load());
    EXPECT_EQ(section.State.load(), 0u);
    EXPECT_EQ(section.Sleepers.load(), 0u);
    DeleteCriticalSection(&section);
}

// Short holds fought over by more threads than cores: most hand-overs go
// through a sleep, each one a chance for a release to miss its sleeper.
TEST(LockWakeUp, HandOversUnderContentionNeverStrandASleeper) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 20000;
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    long counter = 0;  // plain: only the lock keeps it right
    EXPECT_TRUE(FinishesWithoutHanging([&] {
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&] {
                for (int i = 0; i < kRounds; ++i) {
                    EnterCriticalSection(&section);
                    ++counter;
                    if (i % 64 == 0) std::this_thread::yield();  // holders preempted while holding
                    LeaveCriticalSection(&section);
                }
            });
        }
        for (auto& thread : threads) thread.join();
    }));
    EXPECT_EQ(counter, long{kThreads} * kRounds);
    EXPECT_EQ(section.State.load(), 0u);
    EXPECT_EQ(section.Sleepers.load(), 0u);
    DeleteCriticalSection(&section);
}

TEST(LockWakeUp, TheGdiMutexHandsOverUnderContentionToo) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 20000;
    detail::WordMutex mutex;
    long counter = 0;
    EXPECT_TRUE(FinishesWithoutHanging([&] {
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&] {
                for (int i = 0; i < kRounds; ++i) {
                    mutex.lock();
                    ++counter;
                    if (i % 64 == 0) std::this_thread::yield();
                    mutex.unlock();
                }
            });
        }
        for (auto& thread : threads) thread.join();
    }));
    EXPECT_EQ(counter, long{kThreads} * kRounds);
}

}  // namespace
}  // namespace lumenbox::win

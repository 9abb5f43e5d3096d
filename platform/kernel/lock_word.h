// A lock word for locks that are taken far more often than they are fought
// over: the GDI lock and critical sections, both taken around every pixel
// operation of a drawing program.
//
// The word is 0 free, 1 held, 2 held with (possibly) a sleeper. Taking it is
// one compare-and-swap; giving it back is a plain release store, because a
// locked read-modify-write costs as much as the rest of a pixel read. The
// price is a window between the holder's check for sleepers and its store in
// which a new sleeper can go unnoticed; sleepers therefore never sleep longer
// than kSleepLimit before they look again, so a missed wake-up costs at most
// that delay and never a hang. Holders keep the lock for microseconds, so a
// short spin usually wins before anyone sleeps at all.
//
// Sleeping is the kernel's futex on the word itself on Linux; elsewhere a
// sleeper naps for the same limit and looks again.
#pragma once

#if defined(__linux__)
#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <thread>

namespace lumenbox::win::detail {

// Sleeps while `word` still holds `value`, at most kSleepLimit; may return early.
inline void SleepWhileEquals(std::atomic<std::uint32_t>& word, std::uint32_t value) {
#if defined(__linux__)
    static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t));
    constexpr std::timespec kSleepLimit{0, 1'000'000};  // 1 ms
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAIT_PRIVATE, value, &kSleepLimit, nullptr, 0);
#else
    if (word.load(std::memory_order_relaxed) == value) std::this_thread::sleep_for(std::chrono::milliseconds(1));
#endif
}

inline void WakeSleepers([[maybe_unused]] std::atomic<std::uint32_t>& word, [[maybe_unused]] int count) {
#if defined(__linux__)
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAKE_PRIVATE, count, nullptr, nullptr, 0);
#endif
}

inline void SpinPause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

inline bool TryLockWord(std::atomic<std::uint32_t>& word) {
    std::uint32_t free = 0;
    return word.compare_exchange_strong(free, 1, std::memory_order_acquire, std::memory_order_relaxed);
}

// Takes the word after a failed TryLockWord; gives up (returning false,
// holding nothing) as soon as `stillWanted()` turns false after a sleep.
template <class StillWanted>
bool LockWordContended(std::atomic<std::uint32_t>& word, StillWanted stillWanted) {
    constexpr int kSpins = 200;
    for (int spin = 0; spin < kSpins; ++spin) {
        SpinPause();
        if (word.load(std::memory_order_relaxed) == 0 && TryLockWord(word)) return true;
    }
    // Taken with 2, so that our own release wakes whoever queued behind us.
    while (word.exchange(2, std::memory_order_acquire) != 0) {
        SleepWhileEquals(word, 2);
        if (!stillWanted()) return false;
    }
    return true;
}

inline void UnlockWord(std::atomic<std::uint32_t>& word) {
    const bool sleepers = word.load(std::memory_order_relaxed) != 1;
    word.store(0, std::memory_order_release);
    if (sleepers) WakeSleepers(word, 1);
}

// Frees the word whoever holds it and wakes every sleeper (a deleted
// critical section lets its waiters go).
inline void ReleaseWordToAll(std::atomic<std::uint32_t>& word) {
    word.store(0, std::memory_order_release);
    WakeSleepers(word, 1 << 30);
}

// A plain mutex over one lock word.
class WordMutex {
public:
    void lock() {
        if (!TryLockWord(word_)) LockWordContended(word_, [] { return true; });
    }
    void unlock() { UnlockWord(word_); }

private:
    std::atomic<std::uint32_t> word_{0};
};

}  // namespace lumenbox::win::detail

// A lock word for locks that are taken far more often than they are fought
// over: the GDI lock and critical sections, both taken around every pixel
// operation of a drawing program.
//
// Two words: `held` (0 free, 1 held, 2 held while someone waits), which
// sleepers wait on, and `sleepers`, how many threads are on their way to
// sleep or asleep. Taking the lock is one compare-and-swap; giving it back is a plain release store of `held`
// followed by a plain read of `sleepers`, because a locked read-modify-write
// costs as much as the rest of a pixel read.
//
// A release can never lose a sleeper. The holder stores `held` and then reads
// `sleepers`; a sleeper counts itself in `sleepers` and then reads `held`
// (the kernel's futex reads it once more as it queues). If each thread's
// store comes before its own read, at least one of them sees the other:
// either the holder sees the sleeper and wakes it, or the sleeper sees the
// lock free and does not sleep. The sleeper, the rare side, pays for that
// order with a process-wide barrier (membarrier, private expedited), which
// runs a full barrier on every thread of the process, so the holder, the
// common side, needs none. Where the kernel refuses membarrier, both sides
// fall back to sequentially consistent read-modify-writes.
//
// Sleeping is the kernel's futex on `held` on Linux; elsewhere a sleeper
// naps briefly and looks again.
#pragma once

#if defined(__linux__)
#include <linux/futex.h>
#include <linux/membarrier.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace lumenbox::win::detail {

// Whether sleepers order themselves with membarrier (true) or every release
// is a sequentially consistent exchange (false). Decided once, before any
// lock is released or slept on, and never changed, so that both sides of
// every lock agree on which protocol they follow.
[[gnu::noinline]] inline bool DecideExpeditedBarrier() {
    static const bool registered = [] {
#if defined(__linux__) && defined(SYS_membarrier)
        const long supported = syscall(SYS_membarrier, MEMBARRIER_CMD_QUERY, 0, 0);
        if (supported < 0 || (supported & MEMBARRIER_CMD_PRIVATE_EXPEDITED) == 0) return false;
        return syscall(SYS_membarrier, MEMBARRIER_CMD_REGISTER_PRIVATE_EXPEDITED, 0, 0) == 0;
#else
        return false;
#endif
    }();
    return registered;
}

// The decision as every release reads it: 1 registered, 2 refused, 0 not
// yet asked. A relaxed load suffices, as any value but 0 is the one
// decision, and 0 sends the reader to the decision itself.
inline std::atomic<std::uint8_t> ExpeditedBarrierState{0};

inline bool ExpeditedBarrierRegistered() {
    const std::uint8_t state = ExpeditedBarrierState.load(std::memory_order_relaxed);
    if (state != 0) [[likely]]
        return state == 1;
    const bool registered = DecideExpeditedBarrier();
    ExpeditedBarrierState.store(registered ? 1 : 2, std::memory_order_relaxed);
    return registered;
}

// A full memory barrier on every running thread of the process.
inline bool ProcessWideBarrier() {
#if defined(__linux__) && defined(SYS_membarrier)
    return syscall(SYS_membarrier, MEMBARRIER_CMD_PRIVATE_EXPEDITED, 0, 0) == 0;
#else
    return false;
#endif
}

// Sleeps while `word` still holds `value`; may return early (a wake-up, a
// signal, or the word already changed).
inline void SleepWhileEquals(std::atomic<std::uint32_t>& word, std::uint32_t value) {
#if defined(__linux__)
    static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t));
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAIT_PRIVATE, value, nullptr, nullptr, 0);
#else
    if (word.load(std::memory_order_relaxed) == value) std::this_thread::sleep_for(std::chrono::microseconds(50));
#endif
}

// Out of line and cold, like every path a lock takes only when it is
// fought over: the common path then keeps few registers to save.
[[gnu::noinline, gnu::cold]] inline void WakeSleepers([[maybe_unused]] std::atomic<std::uint32_t>& word,
                                                      [[maybe_unused]] int count) {
#if defined(__linux__)
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAKE_PRIVATE, count, nullptr, nullptr, 0);
#endif
}

inline void SpinPause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

inline bool TryLockWord(std::atomic<std::uint32_t>& held) {
    std::uint32_t free = 0;
    return held.compare_exchange_strong(free, 1, std::memory_order_acquire, std::memory_order_relaxed);
}

// One sleep of a thread that wants the lock: counted in `sleepers` before it
// looks at `held` for the last time, so that a release in between sees it.
// It also marks the word 2 (held, someone waits), for whoever watches it.
inline void SleepWhileHeld(std::atomic<std::uint32_t>& held, std::atomic<std::uint32_t>& sleepers) {
    sleepers.fetch_add(1, std::memory_order_seq_cst);
    std::uint32_t held1 = 1;
    held.compare_exchange_strong(held1, 2, std::memory_order_relaxed, std::memory_order_relaxed);
    // The fallback's order comes from the seq_cst operations on both sides.
    if (ExpeditedBarrierRegistered() && !ProcessWideBarrier()) {
        // Registered but refused now: impossible by the kernel's contract;
        // a short nap keeps the lock live even so.
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    } else if (const std::uint32_t seen = held.load(std::memory_order_seq_cst); seen != 0) {
        SleepWhileEquals(held, seen);
    }
    sleepers.fetch_sub(1, std::memory_order_relaxed);
}

// The release where every sleeper orders itself with membarrier: a plain
// store, then a plain read of the sleeper count. True when a sleeper is to
// be woken.
inline bool ReleaseWordExpedited(std::atomic<std::uint32_t>& held, std::atomic<std::uint32_t>& sleepers) {
    held.store(0, std::memory_order_release);
    // Only the compiler must keep the read after the store; a sleeper's
    // membarrier orders them on the processor.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    return sleepers.load(std::memory_order_relaxed) != 0;
}

inline void UnlockWordExpedited(std::atomic<std::uint32_t>& held, std::atomic<std::uint32_t>& sleepers) {
    if (ReleaseWordExpedited(held, sleepers)) WakeSleepers(held, 1);
}

// The release before the decision is known, or where the kernel refused
// membarrier: out of line, so that the common release keeps nothing across
// a call.
[[gnu::noinline]] inline void UnlockWordUndecided(std::atomic<std::uint32_t>& held,
                                                  std::atomic<std::uint32_t>& sleepers) {
    if (ExpeditedBarrierRegistered()) {
        UnlockWordExpedited(held, sleepers);
        return;
    }
    held.exchange(0, std::memory_order_seq_cst);
    if (sleepers.load(std::memory_order_seq_cst) != 0) WakeSleepers(held, 1);
}

inline void UnlockWord(std::atomic<std::uint32_t>& held, std::atomic<std::uint32_t>& sleepers) {
    if (ExpeditedBarrierState.load(std::memory_order_relaxed) == 1) [[likely]]
        UnlockWordExpedited(held, sleepers);
    else
        UnlockWordUndecided(held, sleepers);
}

// Takes the word after a failed TryLockWord; gives up (returning false,
// holding nothing) as soon as `stillWanted()` turns false.
template <class StillWanted>
bool LockWordContended(std::atomic<std::uint32_t>& held, std::atomic<std::uint32_t>& sleepers,
                       StillWanted stillWanted) {
    constexpr int kSpins = 200;
    for (int spin = 0; spin < kSpins; ++spin) {
        SpinPause();
        if (held.load(std::memory_order_relaxed) == 0 && TryLockWord(held)) return true;
    }
    for (;;) {
        if (TryLockWord(held)) {
            if (stillWanted()) return true;
            // Freed by its deletion while we slept: not ours to keep.
            UnlockWord(held, sleepers);
            return false;
        }
        if (!stillWanted()) return false;
        SleepWhileHeld(held, sleepers);
    }
}

// Frees the word whoever holds it and wakes every sleeper (a deleted
// critical section lets its waiters go).
inline void ReleaseWordToAll(std::atomic<std::uint32_t>& held) {
    held.exchange(0, std::memory_order_seq_cst);
    WakeSleepers(held, 1 << 30);
}

// A plain mutex over one lock word.
class WordMutex {
public:
    void lock() {
        if (!TryLockWord(held_)) [[unlikely]]
            LockContended();
    }
    void unlock() { UnlockWord(held_, sleepers_); }
    bool try_lock() { return TryLockWord(held_); }

    // unlock(), then `result`. The release that must wake a sleeper, or that
    // comes before the barrier decision, is a tail call out of line, so a
    // caller whose own path calls nothing keeps nothing on the stack.
    template <class T>
    T UnlockReturning(T result) {
        if (ExpeditedBarrierState.load(std::memory_order_relaxed) == 1) [[likely]] {
            if (!ReleaseWordExpedited(held_, sleepers_)) [[likely]]
                return result;
            return WakeReturning(result);
        }
        return UnlockUndecidedReturning(result);
    }

private:
    template <class T>
    [[gnu::noinline, gnu::cold]] T WakeReturning(T result) {
        WakeSleepers(held_, 1);
        return result;
    }
    template <class T>
    [[gnu::noinline]] T UnlockUndecidedReturning(T result) {
        UnlockWordUndecided(held_, sleepers_);
        return result;
    }

    [[gnu::noinline, gnu::cold]] void LockContended() {
        LockWordContended(held_, sleepers_, [] { return true; });
    }

    std::atomic<std::uint32_t> held_{0};
    std::atomic<std::uint32_t> sleepers_{0};
};

}  // namespace lumenbox::win::detail

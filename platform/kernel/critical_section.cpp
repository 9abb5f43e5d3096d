// Re-entrant critical sections.
//
// The lock word follows the classic three-state futex mutex: 0 free, 1 held,
// 2 held with (possibly) waiters. An uncontended enter is one compare-and-swap
// and a leave one decrement, which matters because drawing takes the lock
// around every pixel operation. Only a leave that finds waiters pays for a wake.
//
// The owner token is compared only by the thread that may have stored it, so
// relaxed loads suffice there; the lock word's acquire and release carry the
// ordering between owners (and the recursion count, which only the owner
// touches) from one thread to the next.
#include <lumenbox/win/kernel.h>

namespace lumenbox::win {
namespace {

// A value unique to each live thread, cheap to get: the address of a
// thread-local byte. Never 0, which marks a lock without an owner.
std::uintptr_t SelfToken() {
    thread_local char token;
    return reinterpret_cast<std::uintptr_t>(&token);
}

bool IsLive(const CRITICAL_SECTION* section) {
    return section && section->Initialized.load(std::memory_order_acquire);
}

// Takes the lock word; false when the section was deleted while we waited,
// in which case the caller holds nothing.
bool AcquireWord(CRITICAL_SECTION* section) {
    std::atomic<std::uint32_t>& state = section->State;
    std::uint32_t seen = 0;
    if (state.compare_exchange_strong(seen, 1, std::memory_order_acquire, std::memory_order_relaxed)) return true;
    if (seen != 2) seen = state.exchange(2, std::memory_order_acquire);
    while (seen != 0) {
        state.wait(2, std::memory_order_relaxed);
        if (!section->Initialized.load(std::memory_order_acquire)) return false;
        seen = state.exchange(2, std::memory_order_acquire);
    }
    return true;
}

void ReleaseWord(CRITICAL_SECTION* section) {
    std::atomic<std::uint32_t>& state = section->State;
    if (state.fetch_sub(1, std::memory_order_release) != 1) {
        state.store(0, std::memory_order_release);
        state.notify_one();
    }
}

void BecomeOwner(CRITICAL_SECTION* section, std::uintptr_t self) {
    section->OwningThread.store(self, std::memory_order_relaxed);
    section->RecursionCount = 1;
}

}  // namespace

void InitializeCriticalSection(CRITICAL_SECTION* section) {
    if (!section) return;
    section->OwningThread.store(0, std::memory_order_relaxed);
    section->RecursionCount = 0;
    section->State.store(0, std::memory_order_relaxed);
    section->Initialized.store(true, std::memory_order_release);
    section->State.notify_all();  // anyone still parked on a re-initialised word
}

void EnterCriticalSection(CRITICAL_SECTION* section) {
    if (!IsLive(section)) return;
    const std::uintptr_t self = SelfToken();
    if (section->OwningThread.load(std::memory_order_relaxed) == self) {
        ++section->RecursionCount;
        return;
    }
    if (AcquireWord(section)) BecomeOwner(section, self);
}

BOOL TryEnterCriticalSection(CRITICAL_SECTION* section) {
    if (!IsLive(section)) return FALSE;
    const std::uintptr_t self = SelfToken();
    if (section->OwningThread.load(std::memory_order_relaxed) == self) {
        ++section->RecursionCount;
        return TRUE;
    }
    std::uint32_t expected = 0;
    if (!section->State.compare_exchange_strong(expected, 1, std::memory_order_acquire, std::memory_order_relaxed))
        return FALSE;
    BecomeOwner(section, self);
    return TRUE;
}

void LeaveCriticalSection(CRITICAL_SECTION* section) {
    if (!IsLive(section)) return;
    if (section->OwningThread.load(std::memory_order_relaxed) != SelfToken()) return;
    if (--section->RecursionCount > 0) return;
    section->OwningThread.store(0, std::memory_order_relaxed);
    ReleaseWord(section);
}

// Deleting a section that is still held is the caller's mistake; rather than
// leave its waiters parked for ever, they are woken and return from their
// enter without the lock, as every later enter of the deleted section does.
void DeleteCriticalSection(CRITICAL_SECTION* section) {
    if (!section) return;
    section->Initialized.store(false, std::memory_order_release);
    section->State.store(0, std::memory_order_release);
    section->State.notify_all();
}

}  // namespace lumenbox::win

// Re-entrant critical sections.
//
// The state is a lock word (platform/kernel/lock_word.h): an uncontended
// enter is an owner check and one compare-and-swap, a leave one release
// store and a read of the sleeper count, which matters because drawing takes the lock around every pixel
// operation.
//
// The owner token is compared only by the thread that may have stored it, so
// relaxed loads suffice there; the lock word's acquire and release carry the
// ordering between owners (and the recursion count, which only the owner
// touches) from one thread to the next.
#include <lumenbox/win/kernel.h>

#include "platform/kernel/lock_word.h"

namespace lumenbox::win {
namespace {

using detail::LockWordContended;
using detail::TryLockWord;

// A value unique to each live thread, cheap to get: the address of a
// thread-local byte. Never 0, which marks a lock without an owner.
std::uintptr_t SelfToken() {
    thread_local char token;
    return reinterpret_cast<std::uintptr_t>(&token);
}

bool IsLive(const CRITICAL_SECTION* section) {
    return section && section->Initialized.load(std::memory_order_acquire);
}

void BecomeOwner(CRITICAL_SECTION* section, std::uintptr_t self) {
    section->OwningThread.store(self, std::memory_order_relaxed);
    section->RecursionCount = 1;
}

// The wait for a section another thread holds, out of line and cold, and
// finding its own token again, so that the uncontended enter keeps nothing
// across a call.
[[gnu::noinline, gnu::cold]] void EnterContended(CRITICAL_SECTION* section) {
    const bool acquired = LockWordContended(section->State, section->Sleepers, [section] {
        return section->Initialized.load(std::memory_order_acquire);
    });
    if (acquired) BecomeOwner(section, SelfToken());
}

}  // namespace

void InitializeCriticalSection(CRITICAL_SECTION* section) {
    if (!section) return;
    section->OwningThread.store(0, std::memory_order_relaxed);
    section->RecursionCount = 0;
    section->Initialized.store(true, std::memory_order_release);
    detail::ReleaseWordToAll(section->State);  // anyone still parked on a re-initialised word
}

void EnterCriticalSection(CRITICAL_SECTION* section) {
    if (!IsLive(section)) return;
    const std::uintptr_t self = SelfToken();
    if (section->OwningThread.load(std::memory_order_relaxed) == self) {
        ++section->RecursionCount;
        return;
    }
    if (TryLockWord(section->State)) [[likely]]
        BecomeOwner(section, self);
    else
        EnterContended(section);
}

BOOL TryEnterCriticalSection(CRITICAL_SECTION* section) {
    if (!IsLive(section)) return FALSE;
    const std::uintptr_t self = SelfToken();
    if (section->OwningThread.load(std::memory_order_relaxed) == self) {
        ++section->RecursionCount;
        return TRUE;
    }
    if (!TryLockWord(section->State)) return FALSE;
    BecomeOwner(section, self);
    return TRUE;
}

void LeaveCriticalSection(CRITICAL_SECTION* section) {
    if (!IsLive(section)) return;
    if (section->OwningThread.load(std::memory_order_relaxed) != SelfToken()) return;
    if (--section->RecursionCount > 0) return;
    section->OwningThread.store(0, std::memory_order_relaxed);
    detail::UnlockWord(section->State, section->Sleepers);
}

// Deleting a section that is still held is the caller's mistake; rather than
// leave its waiters parked for ever, they are woken and return from their
// enter without the lock, as every later enter of the deleted section does.
void DeleteCriticalSection(CRITICAL_SECTION* section) {
    if (!section) return;
    section->Initialized.store(false, std::memory_order_release);
    detail::ReleaseWordToAll(section->State);
}

}  // namespace lumenbox::win

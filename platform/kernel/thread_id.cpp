// Thread identifiers: small nonzero numbers handed out in order, so that an
// identifier never looks like a handle and two live threads never share one.
#include <atomic>

#include "platform/kernel/thread_table.h"

namespace lumenbox::win {
namespace {

std::atomic<DWORD> nextThreadId{1};
thread_local DWORD currentThreadId = 0;

}  // namespace

namespace detail {

DWORD NewThreadId() {
    DWORD id = nextThreadId.fetch_add(1, std::memory_order_relaxed);
    while (id == 0) id = nextThreadId.fetch_add(1, std::memory_order_relaxed);  // skip 0 after a wrap
    return id;
}

void AdoptThreadId(DWORD id) { currentThreadId = id; }

}  // namespace detail

// Threads the kernel did not start (the program's own) get their identifier
// at their first call.
DWORD GetCurrentThreadId() {
    if (currentThreadId == 0) currentThreadId = detail::NewThreadId();
    return currentThreadId;
}

}  // namespace lumenbox::win

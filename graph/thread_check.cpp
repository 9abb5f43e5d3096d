// The debug check of the calling thread (LUMENBOX_CHECK_THREAD=ON).
#include "graph/thread_check.h"

#if LUMENBOX_CHECK_THREAD

#include <atomic>
#include <cstdio>

#include <lumenbox/graph.h>
#include <lumenbox/win/kernel.h>

namespace lumenbox {

namespace {

// Read by any thread that makes a call; written by the opening thread.
std::atomic<win::DWORD> OwningThread{0};

}  // namespace

void RecordOwningThread() { OwningThread.store(win::GetCurrentThreadId(), std::memory_order_release); }

void CheckCallingThread(const char* call) {
    if (!IsGraphOpen()) return;
    const win::DWORD owner = OwningThread.load(std::memory_order_acquire);
    const win::DWORD caller = win::GetCurrentThreadId();
    if (owner == 0 || caller == owner) return;
    std::fprintf(stderr,
                 "lumenbox: %s called from thread %lu while the window belongs to thread %lu; only the key "
                 "calls and status reads may come from another thread\n",
                 call, static_cast<unsigned long>(caller), static_cast<unsigned long>(owner));
}

}  // namespace lumenbox

#endif

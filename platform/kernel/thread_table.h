// The kernel's record of the threads it started.
//
// A thread handle designates a ThreadRecord in one table, guarded by one
// mutex. What the running thread itself touches (its exit code) lives in a
// separately shared ThreadRun, so closing the handle while the thread runs
// frees the record without pulling anything from under the runner.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include <lumenbox/win/kernel.h>

#include "platform/kernel/handle_table.h"

namespace lumenbox::win::detail {

// Shared by the handle's record and the running thread.
struct ThreadRun {
    std::atomic<DWORD> exitCode{STILL_ACTIVE};
};

struct ThreadRecord {
    std::shared_ptr<ThreadRun> run;
    std::thread thread;
    DWORD id = 0;
    int priority = THREAD_PRIORITY_NORMAL;
};

struct ThreadTable {
    std::mutex mutex;
    HandleTable<ThreadRecord> records{HandleTag::Kernel};
};

// The process's thread table. Never destroyed: a detached thread or a late
// atexit handler may still reach it while the process exits.
ThreadTable& Threads();

// A fresh nonzero thread identifier.
DWORD NewThreadId();
// Makes `id` the calling thread's identifier; the runner of a new thread
// calls it first so that CreateThread can report the id before the thread runs.
void AdoptThreadId(DWORD id);

}  // namespace lumenbox::win::detail

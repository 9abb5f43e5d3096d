// Thread handles: creation, priority, exit code and closing.
#include <exception>
#include <new>
#include <utility>

#include "platform/kernel/thread_table.h"

namespace lumenbox::win {
namespace {

using detail::HandleValue;
using detail::ThreadRecord;
using detail::ThreadRun;
using detail::Threads;

// The body of every kernel thread. It holds its own share of the run state
// and nothing else of the table, so it may outlive its handle.
void RunThread(std::shared_ptr<ThreadRun> run, DWORD id, LPTHREAD_START_ROUTINE start, void* parameter) {
    detail::AdoptThreadId(id);
    const DWORD result = start(parameter);
    run->exitCode.store(result, std::memory_order_release);
}

// Records a new thread and starts it; 0 on failure. The thread starts under
// the table's lock so that no other caller sees a record without its thread;
// the runner never takes that lock, so this cannot deadlock.
std::uintptr_t StartRecordedThread(DWORD id, LPTHREAD_START_ROUTINE start, void* parameter) {
    auto run = std::make_shared<ThreadRun>();
    std::lock_guard lock(Threads().mutex);
    const std::uintptr_t handle = Threads().records.Insert(std::make_unique<ThreadRecord>(ThreadRecord{run, {}, id}));
    try {
        Threads().records.Find(handle)->thread = std::thread(RunThread, run, id, start, parameter);
    } catch (const std::exception&) {  // no thread to be had (system_error) or no memory for it
        Threads().records.Erase(handle);
        return 0;
    }
    return handle;
}

bool IsValidPriority(int priority) {
    return priority >= THREAD_PRIORITY_LOWEST && priority <= THREAD_PRIORITY_HIGHEST;
}

}  // namespace

HANDLE CreateThread(void* /*security*/, std::size_t /*stackSize*/, LPTHREAD_START_ROUTINE start, void* parameter,
                    DWORD flags, DWORD* threadId) {
    // Every thread starts at once; suspended starts and other creation flags
    // have no meaning here, so they are refused rather than ignored.
    if (start == nullptr || flags != 0) return nullptr;
    const DWORD id = detail::NewThreadId();
    std::uintptr_t handle = 0;
    try {
        handle = StartRecordedThread(id, start, parameter);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (handle == 0) return nullptr;
    if (threadId) *threadId = id;
    return detail::MakeHandle<HANDLE>(handle);
}

// Linux lets an unprivileged process lower its threads' priority but not
// raise it, so the priority is recorded for the caller to read back and the
// scheduler is left alone.
BOOL SetThreadPriority(HANDLE thread, int priority) {
    if (!IsValidPriority(priority)) return FALSE;
    std::lock_guard lock(Threads().mutex);
    ThreadRecord* record = Threads().records.Find(HandleValue(thread));
    if (!record) return FALSE;
    record->priority = priority;
    return TRUE;
}

int GetThreadPriority(HANDLE thread) {
    std::lock_guard lock(Threads().mutex);
    const ThreadRecord* record = Threads().records.Find(HandleValue(thread));
    return record ? record->priority : THREAD_PRIORITY_ERROR_RETURN;
}

BOOL GetExitCodeThread(HANDLE thread, DWORD* exitCode) {
    if (!exitCode) return FALSE;
    std::lock_guard lock(Threads().mutex);
    const ThreadRecord* record = Threads().records.Find(HandleValue(thread));
    if (!record) return FALSE;
    *exitCode = record->run->exitCode.load(std::memory_order_acquire);
    return TRUE;
}

// The thread is detached rather than joined: a running thread goes on
// running, and one that has finished needs nothing more from us.
BOOL CloseHandle(HANDLE handle) {
    std::unique_ptr<ThreadRecord> record;
    {
        std::lock_guard lock(Threads().mutex);
        record = Threads().records.Erase(HandleValue(handle));
    }
    if (!record) return FALSE;
    if (record->thread.joinable()) record->thread.detach();
    return TRUE;
}

}  // namespace lumenbox::win

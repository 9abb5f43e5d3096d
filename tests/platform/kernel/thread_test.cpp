// Kernel threads: start, exit code, priority, identifiers, and handle
// checking (stale, closed, garbage and other tables' values are refused).
#include <lumenbox/win/probes.h>
#include <lumenbox/win/kernel.h>

#include <atomic>
#include <memory>

#include <gtest/gtest.h>

#include "platform/kernel/handle_table.h"

namespace {

using namespace lumenbox::win;

// A thread routine that waits for the test's go-ahead, then reports that it
// ran to the end. Lives in static storage so that a detached thread can never
// outlive it.
struct Gate {
    std::atomic<bool> open{false};
    std::atomic<bool> finished{false};
    std::atomic<DWORD> seenThreadId{0};
    DWORD result = 0;
};

DWORD WaitAtGate(void* parameter) {
    auto* gate = static_cast<Gate*>(parameter);
    gate->seenThreadId = GetCurrentThreadId();
    while (!gate->open.load()) Sleep(1);
    gate->finished = true;
    return gate->result;
}

DWORD ReturnAtOnce(void*) { return 7; }

DWORD WaitForExit(HANDLE thread) {
    DWORD code = STILL_ACTIVE;
    while (GetExitCodeThread(thread, &code) && code == STILL_ACTIVE) Sleep(1);
    return code;
}

TEST(Thread, ExitCodeIsStillActiveUntilTheRoutineReturns) {
    static Gate gate;
    gate.result = 42;
    HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    DWORD code = 0;
    ASSERT_EQ(GetExitCodeThread(thread, &code), TRUE);
    EXPECT_EQ(code, STILL_ACTIVE);
    gate.open = true;
    EXPECT_EQ(WaitForExit(thread), 42u);
    EXPECT_TRUE(gate.finished);
    EXPECT_EQ(CloseHandle(thread), TRUE);
}

TEST(Thread, ReportsANonzeroIdThatTheThreadSeesAsItsOwn) {
    static Gate gate;
    gate.open = true;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 4096, WaitAtGate, &gate, 0, &id);
    ASSERT_NE(thread, nullptr);
    WaitForExit(thread);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(gate.seenThreadId.load(), id);
    EXPECT_NE(GetCurrentThreadId(), 0u);
    EXPECT_NE(GetCurrentThreadId(), id);
    EXPECT_EQ(GetCurrentThreadId(), GetCurrentThreadId());
    CloseHandle(thread);
}

TEST(Thread, RefusesWhatItCannotStart) {
    const std::size_t live = probe::LiveThreadHandles();
    DWORD id = 123;
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, &id), nullptr);
    EXPECT_EQ(CreateThread(nullptr, 0, ReturnAtOnce, nullptr, CREATE_SUSPENDED, &id), nullptr);
    EXPECT_EQ(CreateThread(nullptr, 0, ReturnAtOnce, nullptr, 0x10000, &id), nullptr);
    EXPECT_EQ(id, 123u);  // untouched on failure
    EXPECT_EQ(probe::LiveThreadHandles(), live);
}

TEST(Thread, PriorityIsRecordedWithinRange) {
    static Gate gate;
    HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_NORMAL);
    EXPECT_EQ(SetThreadPriority(thread, THREAD_PRIORITY_ABOVE_NORMAL), TRUE);
    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_ABOVE_NORMAL);
    EXPECT_EQ(probe::ThreadPriority(thread), THREAD_PRIORITY_ABOVE_NORMAL);
    EXPECT_EQ(SetThreadPriority(thread, 3), FALSE);
    EXPECT_EQ(SetThreadPriority(thread, -3), FALSE);
    EXPECT_EQ(SetThreadPriority(thread, 15), FALSE);  // time-critical is not offered
    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_ABOVE_NORMAL);
    EXPECT_EQ(SetThreadPriority(thread, THREAD_PRIORITY_LOWEST), TRUE);
    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_LOWEST);
    gate.open = true;
    WaitForExit(thread);
    EXPECT_EQ(SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST), TRUE);  // a finished thread's handle still works
    CloseHandle(thread);
}

TEST(Thread, ClosingTheHandleDetachesARunningThread) {
    static Gate gate;
    gate.result = 5;
    const std::size_t live = probe::LiveThreadHandles();
    HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(probe::LiveThreadHandles(), live + 1);
    EXPECT_EQ(CloseHandle(thread), TRUE);
    EXPECT_EQ(probe::LiveThreadHandles(), live);
    DWORD code = 0;
    EXPECT_EQ(GetExitCodeThread(thread, &code), FALSE);
    gate.open = true;
    while (!gate.finished) Sleep(1);  // it ran on to its end without a handle
}

TEST(ThreadHandle, ClosedAndStaleHandlesAreRefused) {
    HANDLE first = CreateThread(nullptr, 0, ReturnAtOnce, nullptr, 0, nullptr);
    ASSERT_NE(first, nullptr);
    WaitForExit(first);
    ASSERT_EQ(CloseHandle(first), TRUE);
    EXPECT_EQ(CloseHandle(first), FALSE);
    // The next thread may reuse the slot; the old handle must still not reach it.
    HANDLE second = CreateThread(nullptr, 0, ReturnAtOnce, nullptr, 0, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    DWORD code = 0;
    EXPECT_EQ(GetExitCodeThread(first, &code), FALSE);
    EXPECT_EQ(SetThreadPriority(first, 1), FALSE);
    EXPECT_EQ(GetThreadPriority(first), THREAD_PRIORITY_ERROR_RETURN);
    EXPECT_EQ(probe::ThreadPriority(first), std::nullopt);
    EXPECT_EQ(CloseHandle(first), FALSE);
    EXPECT_EQ(WaitForExit(second), 7u);
    EXPECT_EQ(GetThreadPriority(second), THREAD_PRIORITY_NORMAL);
    EXPECT_EQ(CloseHandle(second), TRUE);
}

TEST(ThreadHandle, GarbageAndForeignValuesAreRefused) {
    HANDLE thread = CreateThread(nullptr, 0, ReturnAtOnce, nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    // The same slot and generation under another table's tag.
    lumenbox::win::detail::HandleTable<int> gdiLike(lumenbox::win::detail::HandleTag::Gdi);
    HANDLE foreign = reinterpret_cast<HANDLE>(gdiLike.Insert(std::make_unique<int>(0)));
    const HANDLE garbage[] = {nullptr, reinterpret_cast<HANDLE>(std::intptr_t{-1}),
                              reinterpret_cast<HANDLE>(std::uintptr_t{0x1234}), foreign,
                              GetModuleHandleA(nullptr)};
    for (HANDLE h : garbage) {
        DWORD code = 99;
        EXPECT_EQ(GetExitCodeThread(h, &code), FALSE) << h;
        EXPECT_EQ(code, 99u);
        EXPECT_EQ(SetThreadPriority(h, 0), FALSE) << h;
        EXPECT_EQ(GetThreadPriority(h), THREAD_PRIORITY_ERROR_RETURN) << h;
        EXPECT_EQ(CloseHandle(h), FALSE) << h;
    }
    EXPECT_EQ(GetExitCodeThread(thread, nullptr), FALSE);
    WaitForExit(thread);
    EXPECT_EQ(CloseHandle(thread), TRUE);
}

}  // namespace

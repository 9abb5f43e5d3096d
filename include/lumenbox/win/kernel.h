// Kernel services of the Windows stand-in: threads, re-entrant critical
// sections, sleeping, the tick count and the process's start-up information.
#pragma once

#include <atomic>
#include <cstdint>

#include <lumenbox/win/types.h>

namespace lumenbox::win {

// ---- Threads -------------------------------------------------------------

using LPTHREAD_START_ROUTINE = DWORD (*)(void* parameter);

inline constexpr DWORD STILL_ACTIVE = 259;
inline constexpr int THREAD_PRIORITY_LOWEST = -2;
inline constexpr int THREAD_PRIORITY_BELOW_NORMAL = -1;
inline constexpr int THREAD_PRIORITY_NORMAL = 0;
inline constexpr int THREAD_PRIORITY_ABOVE_NORMAL = 1;
inline constexpr int THREAD_PRIORITY_HIGHEST = 2;
inline constexpr DWORD CREATE_SUSPENDED = 0x4;  // refused: threads always start at once

// Starts `start(parameter)` on a new thread at once and returns its handle
// (NULL on failure, also for a null routine or any flag). `security` and
// `stackSize` are accepted and ignored; `threadId` receives a nonzero id if given.
HANDLE CreateThread(void* security, std::size_t stackSize, LPTHREAD_START_ROUTINE start, void* parameter,
                    DWORD flags, DWORD* threadId);
// Records the priority (-2 to 2); FALSE for a bad handle or priority.
BOOL SetThreadPriority(HANDLE thread, int priority);
// THREAD_PRIORITY_ERROR_RETURN (0x7FFFFFFF) for a bad handle.
int GetThreadPriority(HANDLE thread);
inline constexpr int THREAD_PRIORITY_ERROR_RETURN = 0x7FFFFFFF;
// STILL_ACTIVE while the thread runs, then the routine's result. FALSE for a
// bad handle or a null output.
BOOL GetExitCodeThread(HANDLE thread, DWORD* exitCode);
// Releases a thread handle. A thread whose handle is closed goes on running
// and is detached. FALSE for a bad or already closed handle.
BOOL CloseHandle(HANDLE handle);
// Identifier of the calling thread (nonzero).
DWORD GetCurrentThreadId();

// ---- Time ----------------------------------------------------------------

void Sleep(DWORD milliseconds);
// Milliseconds since an arbitrary start, wrapping at 2^32.
DWORD GetTickCount();

// ---- Critical sections ---------------------------------------------------

// A re-entrant lock: the owner may enter again and must leave as often as it
// entered. Zero-initialised storage is a lock that is not yet initialised;
// entering or leaving such a lock (or a deleted one) does nothing.
struct CRITICAL_SECTION {
    std::atomic<std::uint32_t> State{0};       // 0 free, 1 held, 2 held with waiters
    std::atomic<std::uint32_t> Sleepers{0};    // threads asleep (or about to be) on State
    std::atomic<std::uintptr_t> OwningThread{0};
    std::uint32_t RecursionCount = 0;          // touched by the owner only
    std::atomic<bool> Initialized{false};
};

void InitializeCriticalSection(CRITICAL_SECTION* section);
void EnterCriticalSection(CRITICAL_SECTION* section);
// Returns at once without the lock when another thread holds it.
BOOL TryEnterCriticalSection(CRITICAL_SECTION* section);
// Leaving a lock the calling thread does not hold does nothing.
void LeaveCriticalSection(CRITICAL_SECTION* section);
void DeleteCriticalSection(CRITICAL_SECTION* section);

// ---- Process -------------------------------------------------------------

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWNA = 8;
inline constexpr int SW_RESTORE = 9;
inline constexpr int SW_SHOWDEFAULT = 10;

inline constexpr DWORD STARTF_USESHOWWINDOW = 0x1;

struct STARTUPINFOA {
    DWORD cb;
    DWORD dwFlags;
    WORD wShowWindow;
};

// The process was started with no show state of its own: dwFlags 0 and
// wShowWindow SW_SHOWDEFAULT.
void GetStartupInfoA(STARTUPINFOA* info);
// The program's module handle (a fixed nonzero value); NULL for any name.
HMODULE GetModuleHandleA(const char* moduleName);

}  // namespace lumenbox::win

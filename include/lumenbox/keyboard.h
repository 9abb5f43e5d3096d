// Lumenbox keyboard: key presses in the graphics window become one-byte key
// codes that the program polls and reads. A key with a character arrives as
// that byte (Escape 27, Enter 13, 'a' 97); a key without one arrives as two
// bytes, 0 and an extended code (cursor up: 0, 72). The window's close
// button arrives as 0, 107, like Alt+F4.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include <lumenbox/export.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/types.h>

namespace lumenbox {

// ---- For programs ---------------------------------------------------------

// True while a key byte is queued. Never waits, takes no lock.
LUMENBOX_API bool KeyWaiting();
// Takes the oldest key byte, waiting for one. Returns 0 at once when no
// graphics window is open (queued keys stay queued), and 0 when the window
// closes while it waits (from another thread).
LUMENBOX_API std::uint8_t NextKey();

// ---- The queue ------------------------------------------------------------

// Slots 1 to 32 (index 0 unused); at most 31 bytes queued; equal indices mean
// empty. The indices are read without the lock by the emptiness tests.
extern LUMENBOX_API std::array<std::uint8_t, 33> KeyQueue;
extern LUMENBOX_API std::atomic<std::int32_t> KeyReadIndex;
extern LUMENBOX_API std::atomic<std::int32_t> KeyWriteIndex;
extern LUMENBOX_API win::CRITICAL_SECTION KeyQueueLock;

// Appends one byte; a full queue drops its oldest key whole.
LUMENBOX_API void PutKey(std::uint8_t code);
// Appends 0 and the code, under two separate holds of the lock.
LUMENBOX_API void PutExtendedKey(std::uint8_t code);
// Both indices to 1: an empty queue, for a new window. The slots keep their
// contents. Readers still waiting for the previous window's keys return 0.
LUMENBOX_API void ResetKeyQueue();
// The window the queue belongs to has closed: readers waiting for its keys
// return 0. Keys already queued stay.
LUMENBOX_API void EndKeyQueueWindow();
// Next slot: adds 1, wrapping 32 to 1.
LUMENBOX_API void AdvanceKeyIndex(std::atomic<std::int32_t>& index);

// ---- Start-up and translation ---------------------------------------------

// Runs before main, after the graphics library's start-up: installs
// KeyMessageHandler as the library's key hook.
LUMENBOX_API void InstallKeyboard();
// The window's creation, destruction, close and key messages, on the window
// thread. Always returns 0.
LUMENBOX_API win::LRESULT KeyMessageHandler(win::HWND window, std::uint32_t message, win::WPARAM wParam,
                                            win::LPARAM lParam);
// Appends the bytes of a key-down of the virtual key `key`, reading Shift,
// Ctrl and Alt from the platform.
LUMENBOX_API void TranslateKeyDown(std::int32_t key);

}  // namespace lumenbox

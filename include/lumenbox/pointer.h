// Lumenbox pointer: the mouse over the graphics window. Presses, releases,
// double clicks and wheel turns are queued as events the program polls and
// reads, like keys; movement is not queued, only the position kept, so a
// moving mouse never floods the queue. Positions are view-area coordinates
// of the canvas (window pixels mapped back through the display's scaling).
#pragma once

#include <cstddef>
#include <cstdint>

#include <lumenbox/export.h>
#include <lumenbox/win/types.h>

namespace lumenbox {

// ---- For programs ---------------------------------------------------------

inline constexpr std::uint8_t PointerButtonDown = 1;
inline constexpr std::uint8_t PointerButtonUp = 2;
inline constexpr std::uint8_t PointerWheel = 3;
// Stands for the second press of a quick double click; its release follows
// as a PointerButtonUp.
inline constexpr std::uint8_t PointerDoubleClick = 4;

inline constexpr std::uint8_t PointerLeft = 1;
inline constexpr std::uint8_t PointerRight = 2;
inline constexpr std::uint8_t PointerMiddle = 3;

inline constexpr std::uint8_t PointerShift = 1;
inline constexpr std::uint8_t PointerCtrl = 2;
inline constexpr std::uint8_t PointerAlt = 4;

struct PointerEvent {
    std::uint8_t Kind;       // PointerButtonDown, ...Up, PointerWheel, PointerDoubleClick; 0 for none
    std::uint8_t Button;     // PointerLeft, PointerRight, PointerMiddle; 0 for a wheel
    std::int16_t X;          // view-area position at the event
    std::int16_t Y;
    std::int16_t Wheel;      // notches, positive away from the user
    std::uint8_t Modifiers;  // PointerShift | PointerCtrl | PointerAlt held at the event
};

// True while an event is queued. Never waits.
LUMENBOX_API bool PointerEventWaiting();
// Takes the oldest event, waiting for one without using the processor. An
// empty event (Kind 0) at once when no graphics window is open, and when the
// window closes while it waits.
LUMENBOX_API PointerEvent NextPointerEvent();
// The last known position, view-area relative; -1, -1 while the pointer is
// outside the window or no window is open.
LUMENBOX_API std::int16_t PointerX();
LUMENBOX_API std::int16_t PointerY();
// The buttons held: bit 0 left, 1 right, 2 middle.
LUMENBOX_API std::uint8_t PointerButtons();
// Events lost to a full queue since the window opened.
LUMENBOX_API std::uint32_t PointerEventsDropped();

// ---- The queue ------------------------------------------------------------

inline constexpr std::size_t PointerQueueCapacity = 256;

// Appends an event; a full queue drops its oldest event and counts it.
LUMENBOX_API void PutPointerEvent(const PointerEvent& event);
// An empty queue, no drops, the pointer outside: for a new window. Readers
// still waiting for the previous window's events return an empty event.
LUMENBOX_API void ResetPointerQueue();
// The window the queue belongs to has closed: waiting readers return an
// empty event. Events already queued stay.
LUMENBOX_API void EndPointerQueueWindow();
// Records the position (view-area relative; -1, -1 for outside the window)
// and the buttons held, for PointerX, PointerY and PointerButtons.
LUMENBOX_API void KeepPointerPosition(std::int16_t x, std::int16_t y);
LUMENBOX_API void KeepPointerButtons(std::uint8_t buttons);

// ---- Start-up and translation ---------------------------------------------

// Runs before main, after the graphics library's start-up: installs
// PointerMessageHandler as the library's pointer hook.
LUMENBOX_API void InstallPointer();
// The window's creation and destruction and its mouse messages, on the
// window thread. Takes the capture while a button is held. Always returns 0.
LUMENBOX_API win::LRESULT PointerMessageHandler(win::HWND window, std::uint32_t message, win::WPARAM wParam,
                                                win::LPARAM lParam);

}  // namespace lumenbox

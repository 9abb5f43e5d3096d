// The headless display's test interface. Nothing is shown; tests set up the
// screen before a window opens, drive input, and look at what a user would see.
// Each call works only while the headless display is the process's display
// (LUMENBOX_DISPLAY=headless); otherwise it does nothing and returns empty.
#pragma once

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumenbox::display::headless {

// A window's identity: the value of its window handle.
using WindowId = std::uintptr_t;
template <class Handle>
WindowId IdOf(Handle* window) {
    return reinterpret_cast<WindowId>(window);
}

// Whether the headless display is the process's display.
bool IsActive();
// Back to the defaults: a 1920 x 1080 32-bit screen, OpenGL available and
// leaving the floating-point environment alone, the default font families,
// every key up and every toggle off, automatic presenting on.
void Reset();

// ---- Before a window opens ----------------------------------------------
void SetScreen(int width, int height, int bitsPerPixel = 32);
void SetOpenGLAvailable(bool available);
// Making an OpenGL context changes the rounding mode and raises a pending
// floating-point exception, as some drivers do.
void SetOpenGLAltersFloatingPoint(bool alters);
void SetFontFamilies(std::vector<std::string> families);
void RemoveFontFamily(std::string_view family);

// ---- Windows --------------------------------------------------------------
struct WindowView {
    std::string caption;
    bool visible;
    bool focused;
    bool framed;
    int x;  // outer rectangle
    int y;
    int width;
    int height;
    int clientWidth;
    int clientHeight;
};
std::vector<WindowId> Windows();
std::optional<WindowView> Window(WindowId window);
// The client surface as 0x00RRGGBB values, rows top-down; empty if unknown.
std::vector<std::uint32_t> ClientPixels(WindowId window);
// One client pixel as 0x00RRGGBB; nullopt outside the surface or if unknown.
std::optional<std::uint32_t> ClientPixel(WindowId window, int x, int y);

// ---- Presenting -------------------------------------------------------------
// On (the default), the display presents as a real one does: a visible window
// whenever its client surface has changed, at most 60 times a second. Off,
// only PresentWindow presents, so a test decides what is shown and when.
void SetAutomaticPresenting(bool on);
// Presents the window's client surface now, changed or not, as shown at
// `shownAt` on the steady clock (unset: now). False when the window is not
// visible or the headless display is not active.
bool PresentWindow(WindowId window, std::optional<std::chrono::steady_clock::time_point> shownAt = std::nullopt);

// ---- Input (to the window with the focus) --------------------------------
void PressKey(int virtualKey);
// Another key-down while held, as auto-repeat makes.
void RepeatKey(int virtualKey);
void ReleaseKey(int virtualKey);
// Presses the modifiers in order, presses and releases the key, then
// releases the modifiers in reverse order.
void TypeKey(int virtualKey, std::initializer_list<int> modifiers = {});
// Caps Lock, Num Lock and Scroll Lock toggles.
void SetToggle(int virtualKey, bool on);
void ClickClose(WindowId window);
// Part of the client area must be repainted (right and bottom exclusive).
void Expose(WindowId window, int left, int top, int right, int bottom);

// ---- Mouse (over the window the pointer was last moved to) ---------------
// Moves the pointer to client pixel (x, y) of the window; a position outside
// its client area means the pointer left the window.
void MovePointer(WindowId window, int x, int y);
// Button 1 left, 2 right, 3 middle, at the pointer's position, with the
// modifier keys as PressKey left them. Pressing a held button or releasing
// one not held does nothing.
void PressButton(int button);
void ReleaseButton(int button);
// Notches, positive away from the user; 0 does nothing.
void TurnWheel(int notches);

}  // namespace lumenbox::display::headless

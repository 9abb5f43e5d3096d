// The choice of colour kind and window size: from GraphKind and GraphSize to
// the window's outer size and style and the canvas format.
#pragma once

#include <cstdint>

namespace lumenbox {

// The captioned, non-resizable style: caption, system menu, minimise box.
inline constexpr std::uint32_t CaptionedWindowStyle = 0x00CA0000;
// A frameless popup; the client area is the whole window.
inline constexpr std::uint32_t PopupWindowStyle = 0x80000000;

// Sets WindowWidth, WindowHeight, WindowStyle, CanvasBitsPerPixel,
// PaletteMode and PaletteCapacity from GraphKind and GraphSize, or sets
// GraphStatus to -3 (size unknown or the window does not fit the screen) or
// -2 (kind unknown), or -4 when there is no screen (no display could be
// started). Does not clear GraphStatus itself.
void ResolveDisplayMode();
// The desktop's bits per pixel; only the low 8 bits count.
std::uint8_t DesktopBitsPerPixel();
// The automatic choice: the desktop's colour format in a window that the
// system places and sizes (kind 9, size 10).
void AutoSelectMode(std::int16_t& kind, std::int16_t& size);

}  // namespace lumenbox

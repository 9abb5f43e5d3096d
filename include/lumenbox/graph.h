// Lumenbox graphics: one graphics window with an off-screen canvas, driven by
// immediate-mode calls from the program's thread.
//
// Every call reports through GraphState.GraphStatus (see the codes below)
// instead of a result or an exception: it sets the status to 0 first, then to
// one negative code when it refuses. A call made while no window is open
// reports StatusNotOpen and does nothing else, unless its comment says
// otherwise.
//
// Threads: the calls belong to one thread at a time, the one that opened the
// window, until it closes it. Another thread may make only the key calls of
// <lumenbox/keyboard.h> (KeyWaiting, NextKey), IsGraphOpen, StatusMeaning,
// and read GraphState.GraphStatus; anything else from a second thread while
// a window is open races with the first. A build configured with
// -DLUMENBOX_CHECK_THREAD=ON reports such a call on standard error, naming it.
//
// Coordinates are signed 16-bit, relative to the view area's top left corner,
// and become device coordinates in 32 bits (a sum beyond the 16-bit range is
// off the canvas, never wrapped onto it); rectangle corners are inclusive. Colour numbers are palette entry numbers
// (reduced modulo the palette size) in palette kinds, COLORREFs otherwise.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include <lumenbox/export.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/types.h>

namespace lumenbox {

// ---- Status codes ---------------------------------------------------------
inline constexpr std::int16_t StatusOk = 0;
inline constexpr std::int16_t StatusNotOpen = -1;
inline constexpr std::int16_t StatusBadKind = -2;
inline constexpr std::int16_t StatusBadSize = -3;          // also: the window does not fit the screen
inline constexpr std::int16_t StatusWindowFailed = -4;     // class or window creation failed, or no display
inline constexpr std::int16_t StatusFontMissing = -5;      // font face not installed, or font table full
inline constexpr std::int16_t StatusEmptyFontSlot = -6;
inline constexpr std::int16_t StatusOutOfRange = -7;
inline constexpr std::int16_t StatusNoPalette = -8;
inline constexpr std::int16_t StatusNoOpenGL = -9;
inline constexpr std::int16_t StatusAlreadyOpen = -10;
inline constexpr std::int16_t StatusFileFailed = -11;       // a picture or recording file could not be written

// What a status code means, in a few words ("graphics window not open").
LUMENBOX_API const char* StatusMeaning(std::int16_t status);

// ---- The library's state --------------------------------------------------

// The key handler's signature: the window procedure's own.
using KeyHookProc = win::LRESULT (*)(win::HWND window, std::uint32_t message, win::WPARAM wParam,
                                     win::LPARAM lParam);

struct ViewAreaRecord {
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
    std::int16_t x2 = 0;
    std::int16_t y2 = 0;
    bool clip = false;
};

// A registered font face: the name followed by one zero character, cut to
// 31 characters in all; Length counts the characters stored, 0 marks a free slot.
struct FontSlot {
    std::uint8_t Length = 0;
    std::array<char, 31> Text{};
    // The name without its terminating zero.
    std::string_view Name() const {
        std::string_view stored(Text.data(), Length);
        return stored.substr(0, stored.find('\0'));
    }
};

struct GraphStateRecord {
    std::array<std::uint32_t, 256> StandardColors{};  // standard colours as colour numbers of the open window
    KeyHookProc KeyHook = nullptr;                     // keyboard unit's handler for window messages
    KeyHookProc PointerHook = nullptr;                 // pointer unit's handler for window and mouse messages
    std::atomic<std::uint64_t> InputViewOrigin{0};     // ViewOriginX, ViewOriginY as two 32-bit halves (x low),
                                                       // for the window thread's mouse handler
    std::atomic<bool> GraphIsOpen{false};              // window and surfaces ready for drawing
    bool PaletteMode = false;                          // the canvas has a palette (kinds 1, 2, 3)
    std::int32_t ScreenWidth = 0;                      // read once at start-up
    std::int32_t ScreenHeight = 0;
    std::int16_t GraphKind = -1;                       // kind code of the current or last window
    std::int16_t GraphSize = 0;                        // size code of the current or last window
    std::atomic<std::int16_t> GraphStatus{0};          // result of the last call
    std::array<std::uint32_t*, 256> StandardColorRefs{};  // reference i designates StandardColors[i]
    std::int32_t CustomWidth = 0;                      // client size for size code 13
    std::int32_t CustomHeight = 0;
    std::int32_t WindowWidth = 0;                      // outer size; width 0 lets the system choose
    std::int32_t WindowHeight = 0;
    std::uint32_t WindowStyle = 0;
    std::uint8_t CanvasBitsPerPixel = 0;
    std::uint16_t PaletteCapacity = 0;                 // 2, 16 or 256 entries
    std::uint16_t PaletteSize = 0;                     // entries in use
    std::atomic<win::HWND> GraphWindow{nullptr};
    char GraphCaption[256]{};                          // zero-terminated caption
    win::HANDLE GraphThread = nullptr;                 // the window thread
    std::int32_t MaxX = 0;                             // client width - 1
    std::int32_t MaxY = 0;                             // client height - 1
    std::int32_t ViewOriginX = 0;                      // view area's top left in client coordinates
    std::int32_t ViewOriginY = 0;
    std::int32_t CurrentX = 0;                         // current position, view-area relative
    std::int32_t CurrentY = 0;
    std::uint32_t AspectX = 0;
    std::uint32_t AspectY = 0;
    bool AspectIsSquare = false;
    win::HDC WindowDC = nullptr;
    win::HDC CanvasDC = nullptr;
    win::HDC PatternDC = nullptr;
    win::HPALETTE GraphPalette = nullptr;
    win::HPALETTE InitialPalette = nullptr;
    win::HPEN CurrentPen = nullptr;
    win::HPEN InitialPen = nullptr;
    win::HBRUSH FillBrush = nullptr;
    win::HBRUSH InitialBrush = nullptr;
    win::HFONT CurrentFont = nullptr;
    win::HFONT InitialFont = nullptr;
    win::HBITMAP PatternBitmap = nullptr;              // the 8 x 8 user pattern
    win::HBITMAP InitialBitmap = nullptr;              // CanvasDC's bitmap at creation
    std::array<win::HBITMAP, 4> CanvasPages{};
    std::vector<win::RGBQUAD> ColorTable;              // the canvas pages' colour table
    win::CRITICAL_SECTION DrawLock;                    // guards the device contexts and canvas pages
    bool DrawToWindow = false;                         // drawing also goes to WindowDC
    bool DirectDrawing = false;                        // permission for it
    std::uint16_t ShownPage = 0;
    std::uint16_t DrawPage = 0;
    std::array<FontSlot, 15> FontTable{};
    win::HRGN ClipRegion = nullptr;
    std::uint32_t DrawColor = 0;
    std::uint32_t BackgroundColor = 0;
    std::uint16_t LineStyle = 0;
    std::uint16_t LinePattern = 0;
    std::uint16_t LineThickness = 0;
    std::uint16_t FillMode = 0;
    std::uint32_t FillColor = 0;
    std::array<std::uint8_t, 8> UserPatternRows{};
    ViewAreaRecord ViewArea;
    std::int16_t ViewWidth = 0;
    std::int16_t ViewHeight = 0;
    bool GLReady = false;                              // both OpenGL contexts exist
    win::HGLRC WindowGLContext = nullptr;
    win::HGLRC CanvasGLContext = nullptr;
    std::int32_t FontFound = 0;
};

// The one record of the library's state.
extern LUMENBOX_API GraphStateRecord GraphState;

// ---- Start-up and state ---------------------------------------------------

// Whether a window is open for drawing; does not touch the status.
LUMENBOX_API bool IsGraphOpen();
// Runs before main: clears the flags, sets KeyHook to none, reads the screen
// size, binds the standard colour references. Programs never call it.
LUMENBOX_API void GraphLibraryStart();
// Step of GraphLibraryStart: StandardColorRefs[i] designates StandardColors[i].
LUMENBOX_API void BindStandardColors();
// Runs after main: closes a window left open, releases the colour table.
LUMENBOX_API void GraphLibraryStop();

// ---- Opening and closing --------------------------------------------------

// Opens the graphics window. kind: 0 auto (becomes 9), 1 two colours,
// 2 sixteen, 3 256-colour palette, 9 direct colour. size: 1 320x200,
// 2 640x200, 3 640x350, 4 640x480, 5 720x350, 6 800x600, 7 1024x768,
// 8 1280x1024, 10 system-chosen, 11 screen less frame, 12 full screen,
// 13 custom. Only the caption's first 255 characters count; an empty caption
// gives "Lumenbox 1.1". Status: 0, -10, -3, -2, -4, -5, or -9 (open, without OpenGL).
LUMENBOX_API void OpenGraphics(std::int16_t& kind, std::int16_t& size, std::string_view caption);
// Ends the window and its thread. Status 0 or -1.
LUMENBOX_API void CloseGraphics();
// Chooses the canvas page (0 to 3; 4 and above mean 0) that receives drawing.
LUMENBOX_API void SelectDrawPage(std::uint16_t page);
// Makes the window's (true) or the canvas's (false) OpenGL context current.
// Status -9 without OpenGL, and then not reset to 0 first.
LUMENBOX_API void SelectGLTarget(bool toWindow);
// Waits for the current target's OpenGL drawing (glFinish) and puts it where
// it belongs: into the canvas draw page for the canvas (pixels the drawing
// did not change keep their value; in palette kinds a changed pixel becomes
// the nearest palette entry, and the window shows it when drawing goes
// there), or onto the window's client area for the window (until a repaint
// from the shown page covers it). Status 0, -1 (no window), -9 (no OpenGL).
LUMENBOX_API void FinishGLDrawing();

// ---- Recording -------------------------------------------------------------

// Records every frame the window presents into an animated GIF at `path`,
// each frame shown for the real time it stayed on screen (in 1/100 s, at
// least 2), unchanged frames merged into the one before. Palette kinds: the
// palette at each presentation is the frame's colour table; kind 9: up to
// 256 colours chosen per frame. Encoding runs on a thread of its own; frames
// it cannot keep up with are dropped, never the program held up. Ends with
// StopRecording, CloseGraphics, or the process (return from main, exit,
// SIGINT, SIGTERM), always leaving a file that decodes. LUMENBOX_RECORD=path
// starts one when the window opens. Status 0, -1, -11 (the file cannot be
// created), -7 (already recording).
LUMENBOX_API void StartRecording(std::string_view path);
// Ends the recording, if any. Status 0, -1, -11 (the file could not be written).
LUMENBOX_API void StopRecording();

// ---- Colours and palette --------------------------------------------------

struct PaletteRecord {
    std::uint16_t Count;                  // entries used, 1 to the palette's capacity
    std::array<std::uint32_t, 256> Colors;  // COLORREF form
};

// The platform colour of a colour number: PALETTEINDEX(colour mod size) in
// palette kinds, the colour itself otherwise. Works without a window.
LUMENBOX_API std::uint32_t DeviceColor(std::uint32_t colour);
// Sets one palette entry (low 8 bits of each component). Status 0, -1, -8, -7.
LUMENBOX_API void SetPaletteColor(std::uint16_t entry, std::uint16_t red, std::uint16_t green, std::uint16_t blue);
// The library's default palette for the open (or last) kind. Works without a window.
LUMENBOX_API void FillDefaultPalette(PaletteRecord& record);
// Replaces the whole palette; entries past Count show entry 0's colour.
// Status 0, -1, -8, -7 (Count 0 or above the capacity).
LUMENBOX_API void ReplacePalette(const PaletteRecord& record);

// ---- Fills and pixels -----------------------------------------------------

// mode: 0 background colour, 1 solid, 2 horizontal, 3 vertical, 4 cross,
// 5 rising diagonal, 6 falling diagonal, 7 diagonal cross, 8 user pattern,
// 9 none. Status 0, -1, -7.
LUMENBOX_API void SetFillMode(std::uint16_t mode, std::uint32_t colour);
// An 8 x 8 pattern, top row first, bit 7 leftmost: 1 bits in `colour`, 0 bits
// in the background colour; selects fill mode 8.
LUMENBOX_API void DefineFillPattern(const std::array<std::uint8_t, 8>& rows, std::uint32_t colour);
// Fills the rectangle with both corners inclusive; reversed corners fill nothing.
LUMENBOX_API void FillBar(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
// A canvas pixel as a colour number: the lowest palette entry of its colour,
// or a COLORREF. Outside the canvas: the entry nearest to white, or CLR_INVALID.
// 0 when no window is open.
LUMENBOX_API std::uint32_t ReadPixel(std::int16_t x, std::int16_t y);

// ---- Pens and mix mode ----------------------------------------------------

// Sets the drawing colour (stored even without a window) and rebuilds the pen.
LUMENBOX_API void SetDrawColor(std::uint32_t colour);
// style: 0 solid, 1 dot, 2 dash-dot, 3 dash, 4 dash-dot-dot, 5 and 6 none.
// Status 0, -1, -7.
LUMENBOX_API void SetLineMode(std::uint16_t style, std::uint16_t pattern, std::uint16_t thickness);
// mode 0 to 15: raster operation (copy, xor, or, and, not copy, not, not xor,
// not or, not and, and-not, or-not, and-inverse, or-inverse, black, white,
// nop); add 16 for an opaque background. Status 0, -1, -7.
LUMENBOX_API void SetMixMode(std::int16_t mode);

// ---- Text -----------------------------------------------------------------

// Registers "Courier New", "MS Sans Serif", "Times New Roman", "Arial" in
// slots 0 to 3. Status 0 or -5.
LUMENBOX_API void RegisterStandardFonts();
// Registers an installed face in the first free slot; returns the slot, or -1
// with status -5.
LUMENBOX_API std::int16_t RegisterFontFace(std::string_view name);
// font: bits 0-3 slot, 4-7 weight step (400 + 300 w), 8-11 underline, 12-15
// italic. direction in degrees; size 0-5 is 8 x size pixels, 6 and more is
// the height. Status 0, -1, -6.
LUMENBOX_API void SetTextFont(std::uint16_t font, std::uint16_t direction, std::uint16_t size);
// horizontal 0 left, 1 centre, 2 right; vertical 0 top, 1 bottom, 2 baseline.
// Status 0, -1, -7.
LUMENBOX_API void SetTextAlignment(std::uint16_t horizontal, std::uint16_t vertical);
LUMENBOX_API void SetTextSpacing(std::uint16_t characterExtra, std::uint16_t breakExtra, std::uint16_t reserved1,
                                 std::uint32_t reserved2);

// ---- View area and defaults ----------------------------------------------

// Default palette, white on black, solid white fill, font 0 size 16, whole
// canvas as view area, copy mixing, square aspect.
LUMENBOX_API void ResetDrawingState();
// The view area in device coordinates, corners inclusive, optionally clipping.
// Status 0, -1, -7 (x1 > x2 or y1 > y2, or a width or height above 32767).
LUMENBOX_API void SetViewArea(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, bool clip);
LUMENBOX_API void SetCurrentPosition(std::int16_t x, std::int16_t y);
LUMENBOX_API void SetBackgroundColor(std::uint32_t colour);
// Works without a window; does not touch the status.
LUMENBOX_API void SetAspectFactors(std::uint16_t x, std::uint16_t y);

// ---- Drawing --------------------------------------------------------------
// Every call below sets the status to 0 first, reports -1 and does nothing
// without a window, draws on the draw page (and on the window when drawing
// goes there), and is clipped as FillBar is. Lines and outlines use the pen
// (drawing colour, line style, thickness) and the mix mode; dashes leave
// their gaps in the background colour under an opaque mix mode (16 and up)
// and untouched otherwise. Interiors use the fill mode and fill colour.

struct Point {
    std::int16_t x;
    std::int16_t y;
};

// One pixel in `colour` (a colour number); the mix mode does not apply.
LUMENBOX_API void PlotPixel(std::int16_t x, std::int16_t y, std::uint32_t colour);
// A line with both end points, every pixel once (so drawing it twice in xor
// mode restores the canvas). The current position stays.
LUMENBOX_API void DrawLine(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
// From the current position to (x, y), or by (dx, dy), both ends drawn; the
// current position moves to the end.
LUMENBOX_API void DrawLineTo(std::int16_t x, std::int16_t y);
LUMENBOX_API void DrawLineBy(std::int16_t dx, std::int16_t dy);
// Outline of the rectangle, corners inclusive, each corner pixel once.
LUMENBOX_API void DrawRectangle(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
// An open line through the points (repeat the first to close it), shared
// points drawn once. Fewer than 2 points: -7.
LUMENBOX_API void DrawPolygon(std::span<const Point> points);
// Arcs and circles: angles in degrees, counter-clockwise from 3 o'clock as
// seen on the screen; an arc whose end lies on its start's radial is a whole
// circle. The vertical radius is radius * AspectX / AspectY. The outline's
// extreme pixels are at exactly centre +- radius.
LUMENBOX_API void DrawArc(std::int16_t x, std::int16_t y, std::int16_t startAngle, std::int16_t endAngle,
                          std::uint16_t radius);
LUMENBOX_API void DrawCircle(std::int16_t x, std::int16_t y, std::uint16_t radius);
LUMENBOX_API void DrawEllipse(std::int16_t x, std::int16_t y, std::uint16_t xRadius, std::uint16_t yRadius);
// Filled shapes: the interior in the fill mode and colour, the outline with
// the pen. Polygon interiors follow the even-odd rule; fewer than 3 points: -7.
LUMENBOX_API void PaintEllipse(std::int16_t x, std::int16_t y, std::uint16_t xRadius, std::uint16_t yRadius);
LUMENBOX_API void PaintPolygon(std::span<const Point> points);
LUMENBOX_API void PaintPieSlice(std::int16_t x, std::int16_t y, std::int16_t startAngle, std::int16_t endAngle,
                                std::uint16_t xRadius, std::uint16_t yRadius);
// Fills, in the fill mode and colour, the 4-connected area around (x, y)
// bounded by pixels of colour number `border`. A seed on the border or
// outside the view area fills nothing.
LUMENBOX_API void FloodArea(std::int16_t x, std::int16_t y, std::uint32_t border);

// ---- Writing text ---------------------------------------------------------
// Text in the current font, alignment and spacing, in the drawing colour,
// over a box in the background colour under an opaque mix mode; the mix
// mode's raster operation does not apply.

// At the current position, which then moves to the text's end (left
// alignment), to its start (right alignment), or stays (centred).
LUMENBOX_API void WriteText(std::string_view text);
// At (x, y); the current position stays.
LUMENBOX_API void WriteTextAt(std::int16_t x, std::int16_t y, std::string_view text);
// The advance and the cell height of the text in the current font and
// spacing. 0 (and status -1) without a window.
LUMENBOX_API std::int16_t MeasureTextWidth(std::string_view text);
LUMENBOX_API std::int16_t MeasureTextHeight(std::string_view text);

// ---- Pixel blocks and clearing ---------------------------------------------

// A rectangle of raw canvas values, row by row: palette entry numbers in
// palette kinds, 0x00RRGGBB in kind 9.
struct PixelBlock {
    std::int16_t Width = 0;
    std::int16_t Height = 0;
    std::vector<std::uint32_t> Pixels;
};

// The block of the draw page between the corners (inclusive). Pixels off the
// canvas read 0. Reversed corners, or a block wider or taller than 32767:
// an empty block and -7.
LUMENBOX_API PixelBlock CopyBlock(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
// Puts the block with its top left corner at (x, y). mode: 0 copy, 1 xor,
// 2 or, 3 and, 4 not-copy. Another mode, or Pixels not Width x Height: -7.
LUMENBOX_API void PasteBlock(std::int16_t x, std::int16_t y, const PixelBlock& block, std::uint16_t mode);
// Fills the view area with the background colour; the current position goes
// to (0, 0).
LUMENBOX_API void ClearViewArea();
// The same for the whole draw page, whatever the view area.
LUMENBOX_API void ClearGraphics();

// ---- Pictures ---------------------------------------------------------------

// Writes the shown page, as the window shows it, to `path` as a PNG file:
// indexed with the current palette's entries in palette kinds (1 bit per
// pixel for two entries, 4 for sixteen, 8 otherwise; a pixel of an entry
// past them shows, and is written as, entry 0), 8-bit RGB in kind 9. The
// file is written under a temporary name in the same folder and renamed, so
// an existing file is replaced whole or left as it was. Status 0, -1, -11
// (the folder is missing or cannot be written, the path names a folder or
// holds a zero character, the window has no client area, or the writing
// failed; nothing is left behind).
LUMENBOX_API void SavePicture(std::string_view path);

}  // namespace lumenbox

#include <lumenbox/standard_colors.h>

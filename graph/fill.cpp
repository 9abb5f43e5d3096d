// The fill brush and the filled rectangle. One brush, kept selected into
// both WindowDC and CanvasDC, fills on both targets; every change of fill
// makes a new brush and deletes the one it displaced.
#include <array>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

struct FillStyle {
    win::UINT brushStyle;
    win::ULONG_PTR hatch;
};

inline constexpr std::uint16_t FillModeCount = 10;
inline constexpr std::uint16_t BackgroundFill = 0;
inline constexpr std::uint16_t PatternFill = 8;

// Indexed by fill mode. Modes 5 and 6 are the rising and the falling
// diagonal: hatch styles 3 and 2, in that order.
constexpr std::array<FillStyle, FillModeCount> FillStyles = {{
    {win::BS_SOLID, 0},
    {win::BS_SOLID, 0},
    {win::BS_HATCHED, win::HS_HORIZONTAL},
    {win::BS_HATCHED, win::HS_VERTICAL},
    {win::BS_HATCHED, win::HS_CROSS},
    {win::BS_HATCHED, win::HS_BDIAGONAL},
    {win::BS_HATCHED, win::HS_FDIAGONAL},
    {win::BS_HATCHED, win::HS_DIAGCROSS},
    {win::BS_PATTERN, 0},  // the hatch field carries PatternBitmap
    {win::BS_NULL, 0},
}};

// A brush the platform refuses (a pattern fill before any pattern exists, in
// a window left without its defaults) is stored as the failure value, and
// fills draw nothing until the next SetFillMode. The brush it replaces still
// comes out of both contexts and is deleted, or it would outlive the window.
void ReplaceFillBrush(const win::LOGBRUSH& description) {
    win::EnterCriticalSection(&GraphState.DrawLock);
    GraphState.FillBrush = win::CreateBrushIndirect(&description);
    const win::HGDIOBJ selected = GraphState.FillBrush != nullptr ? GraphState.FillBrush : GraphState.InitialBrush;
    SelectIntoBothContexts(selected, GraphState.InitialBrush);
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

// Draws the 8 x 8 pattern into a fresh PatternBitmap, then takes the bitmap
// out of PatternDC again so that a brush can be made from it.
void DrawPatternBitmap(const std::array<std::uint8_t, 8>& rows, win::COLORREF foreground,
                       win::COLORREF background) {
    win::EnterCriticalSection(&GraphState.DrawLock);
    if (GraphState.PatternBitmap != nullptr) win::DeleteObject(GraphState.PatternBitmap);
    GraphState.PatternBitmap = win::CreateCompatibleBitmap(GraphState.CanvasDC, 8, 8);
    win::SelectObject(GraphState.PatternDC, GraphState.PatternBitmap);
    for (int y = 0; y < 8; ++y) {
        for (int x = 7; x >= 0; --x) {
            const bool set = ((rows[y] >> (7 - x)) & 1) != 0;
            win::SetPixelV(GraphState.PatternDC, x, y, set ? foreground : background);
        }
    }
    win::SelectObject(GraphState.PatternDC, GraphState.InitialBitmap);
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

}  // namespace

void SetFillMode(std::uint16_t mode, std::uint32_t colour) {
    if (!DrawingCallAllowed()) return;
    if (mode >= FillModeCount) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    FillStyle style = FillStyles[mode];
    if (mode == BackgroundFill) colour = GraphState.BackgroundColor;
    if (mode == PatternFill) style.hatch = reinterpret_cast<win::ULONG_PTR>(GraphState.PatternBitmap);

    const win::LOGBRUSH description = {style.brushStyle, DeviceColor(colour), style.hatch};
    GraphState.FillMode = mode;
    GraphState.FillColor = colour;
    ReplaceFillBrush(description);
}

void DefineFillPattern(const std::array<std::uint8_t, 8>& rows, std::uint32_t colour) {
    if (!DrawingCallAllowed()) return;
    GraphState.UserPatternRows = rows;
    // The gaps take the background colour of this moment; a later change of
    // background leaves the pattern as it was drawn.
    DrawPatternBitmap(rows, DeviceColor(colour), DeviceColor(GraphState.BackgroundColor));
    SetFillMode(PatternFill, colour);
}

void FillBar(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    if (!DrawingCallAllowed()) return;
    const std::int32_t left = DeviceX(x1);
    const std::int32_t top = DeviceY(y1);
    const std::int32_t right = DeviceX(x2) + 1;
    const std::int32_t bottom = DeviceY(y2) + 1;
    // Reversed corners stay reversed: such a rectangle fills nothing.
    win::RECT rectangle;
    win::SetRect(&rectangle, left, top, right, bottom);

    win::EnterCriticalSection(&GraphState.DrawLock);
    if (GraphState.DrawToWindow) win::FillRect(GraphState.WindowDC, &rectangle, GraphState.FillBrush);
    win::FillRect(GraphState.CanvasDC, &rectangle, GraphState.FillBrush);
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

}  // namespace lumenbox

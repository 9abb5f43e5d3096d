// The drawing colour, the pen built from it and the line settings, and the
// mix mode. Every setting goes to both WindowDC and CanvasDC so that the
// window and the canvas draw alike.
#include <array>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

// Indexed by line style. Styles 5 and 6 both draw nothing.
constexpr std::array<win::UINT, 7> PenStyles = {
    win::PS_SOLID, win::PS_DOT, win::PS_DASHDOT, win::PS_DASH, win::PS_DASHDOTDOT, win::PS_NULL, win::PS_NULL,
};

// Indexed by mix mode modulo 16.
constexpr std::array<int, 16> RasterOperations = {
    win::R2_COPYPEN,     win::R2_XORPEN,     win::R2_MERGEPEN,    win::R2_MASKPEN,
    win::R2_NOTCOPYPEN,  win::R2_NOT,        win::R2_NOTXORPEN,   win::R2_NOTMERGEPEN,
    win::R2_NOTMASKPEN,  win::R2_MASKNOTPEN, win::R2_MERGENOTPEN, win::R2_MASKPENNOT,
    win::R2_MERGEPENNOT, win::R2_BLACK,      win::R2_WHITE,       win::R2_NOP,
};

inline constexpr std::int16_t TransparentBase = 0;
inline constexpr std::int16_t OpaqueBase = 16;

void ReplacePen(const win::LOGPEN& description) {
    win::EnterCriticalSection(&GraphState.DrawLock);
    GraphState.CurrentPen = win::CreatePenIndirect(&description);
    SelectIntoBothContexts(GraphState.CurrentPen, GraphState.InitialPen);
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

}  // namespace

void SetDrawColor(std::uint32_t colour) {
    // Kept even without a window: the next opening's defaults overwrite it.
    GraphState.DrawColor = colour;
    SetLineMode(GraphState.LineStyle, GraphState.LinePattern, GraphState.LineThickness);
    if (GraphState.GraphStatus != StatusOk) return;
    const win::COLORREF textColour = DeviceColor(colour);
    win::SetTextColor(GraphState.WindowDC, textColour);
    win::SetTextColor(GraphState.CanvasDC, textColour);
}

void SetLineMode(std::uint16_t style, std::uint16_t pattern, std::uint16_t thickness) {
    if (!DrawingCallAllowed()) return;
    if (style >= PenStyles.size()) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    GraphState.LineStyle = style;
    GraphState.LinePattern = pattern;  // kept for the caller; pens have no user pattern
    GraphState.LineThickness = thickness;
    const win::LOGPEN description = {PenStyles[style], {thickness, 0}, DeviceColor(GraphState.DrawColor)};
    ReplacePen(description);
}

void SetMixMode(std::int16_t mode) {
    if (!DrawingCallAllowed()) return;
    const int operation = mode % 16;  // truncating: negative for a negative mode
    const int base = (mode / 16) * 16;
    if (operation < 0 || (base != TransparentBase && base != OpaqueBase)) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    const int rop = RasterOperations[operation];
    const int background = base == OpaqueBase ? win::OPAQUE : win::TRANSPARENT;
    win::SetROP2(GraphState.WindowDC, rop);
    win::SetBkMode(GraphState.WindowDC, background);
    win::SetROP2(GraphState.CanvasDC, rop);
    win::SetBkMode(GraphState.CanvasDC, background);
}

}  // namespace lumenbox

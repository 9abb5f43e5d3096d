// Writing and measuring text. The font, alignment, spacing, text colour and
// background mode live in both device contexts already (the settings calls
// put them there); text is written at the current position, which the
// contexts keep moving as they write (their alignment always updates it).
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

int CharacterCount(std::string_view text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

std::int16_t ToInt16(win::LONG value) {
    return static_cast<std::int16_t>(std::clamp<win::LONG>(value, 0, INT16_MAX));
}

// The text's extent in the canvas's font and spacing.
win::SIZE Extent(std::string_view text) {
    win::SIZE size{0, 0};
    win::EnterCriticalSection(&GraphState.DrawLock);
    win::GetTextExtentPoint32A(GraphState.CanvasDC, text.data(), CharacterCount(text), &size);
    win::LeaveCriticalSection(&GraphState.DrawLock);
    return size;
}

}  // namespace

void WriteText(std::string_view text) {
    if (!DrawingCallAllowed()) return;
    const int count = CharacterCount(text);
    DrawOnTargets([&](win::HDC dc) { win::TextOutA(dc, 0, 0, text.data(), count); });
    // Both contexts moved alike; the library's position follows the canvas's.
    win::POINT position{};
    win::GetCurrentPositionEx(GraphState.CanvasDC, &position);
    PlaceCurrentPosition(position.x - GraphState.ViewOriginX, position.y - GraphState.ViewOriginY);
}

void WriteTextAt(std::int16_t x, std::int16_t y, std::string_view text) {
    if (!DrawingCallAllowed()) return;
    const int count = CharacterCount(text);
    const std::int32_t deviceX = DeviceX(x);
    const std::int32_t deviceY = DeviceY(y);
    // Written at the point given, with the current position left alone.
    DrawOnTargets([&](win::HDC dc) {
        const win::UINT alignment = win::GetTextAlign(dc);
        win::SetTextAlign(dc, alignment & ~win::TA_UPDATECP);
        win::TextOutA(dc, deviceX, deviceY, text.data(), count);
        win::SetTextAlign(dc, alignment);
    });
}

std::int16_t MeasureTextWidth(std::string_view text) {
    if (!DrawingCallAllowed()) return 0;
    return ToInt16(Extent(text).cx);
}

std::int16_t MeasureTextHeight(std::string_view text) {
    if (!DrawingCallAllowed()) return 0;
    return ToInt16(Extent(text).cy);
}

}  // namespace lumenbox

// Text settings: the table of registered font faces, the current font, the
// alignment and the spacing. Like the pen, every setting goes to both
// WindowDC and CanvasDC; alignment and spacing live only there.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/drawing_call.h"
#include "graph/text.h"

namespace lumenbox {
namespace {

inline constexpr std::uint16_t NoFontSlot = 15;

// Indexed by alignment number.
constexpr std::array<win::UINT, 3> HorizontalAlignments = {win::TA_LEFT, win::TA_CENTER, win::TA_RIGHT};
constexpr std::array<win::UINT, 3> VerticalAlignments = {win::TA_TOP, win::TA_BOTTOM, win::TA_BASELINE};

// The name and its terminating zero, cut to the slot's 31 characters; a name
// of 31 characters or more keeps its first 31 and no zero.
void StoreFontName(FontSlot& slot, std::string_view name) {
    slot.Text.fill('\0');
    const std::size_t characters = std::min(name.size(), slot.Text.size());
    std::copy_n(name.begin(), characters, slot.Text.begin());
    slot.Length = static_cast<std::uint8_t>(std::min(name.size() + 1, slot.Text.size()));
}

// Index of the first free slot, or -1 when all are taken.
std::int16_t FirstFreeFontSlot() {
    for (std::size_t i = 0; i < GraphState.FontTable.size(); ++i) {
        if (GraphState.FontTable[i].Length == 0) return static_cast<std::int16_t>(i);
    }
    return -1;
}

// Sizes 0 to 5 count in steps of 8 pixels; larger sizes are the height itself.
win::LONG CharacterHeight(std::uint16_t size) { return size <= 5 ? 8 * size : size; }

win::LOGFONTA FontDescription(std::uint16_t font, std::uint16_t direction, std::uint16_t size,
                              std::string_view face) {
    win::LOGFONTA description{};  // zero fill also ends the face name
    description.lfHeight = CharacterHeight(size);
    description.lfWidth = 0;
    description.lfEscapement = direction * 10;  // tenths of a degree
    description.lfOrientation = direction * 10;
    description.lfWeight = 400 + 300 * ((font >> 4) & 0xF);
    description.lfItalic = static_cast<win::BYTE>((font >> 12) & 0xF);
    description.lfUnderline = static_cast<win::BYTE>((font >> 8) & 0xF);
    description.lfStrikeOut = 0;
    description.lfCharSet = win::DEFAULT_CHARSET;
    // At most 31 characters, so the last of the 32 is always the terminating zero.
    const std::size_t characters = std::min<std::size_t>(face.size(), win::LF_FACESIZE - 1);
    std::copy_n(face.begin(), characters, description.lfFaceName);
    return description;
}

void ReplaceFont(const win::LOGFONTA& description) {
    win::EnterCriticalSection(&GraphState.DrawLock);
    GraphState.CurrentFont = win::CreateFontIndirectA(&description);
    SelectIntoBothContexts(GraphState.CurrentFont, GraphState.InitialFont);
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

}  // namespace

int FontFamilyFound(const win::LOGFONTA*, const win::TEXTMETRICA*, win::DWORD, win::LPARAM) {
    GraphState.FontFound = 1;
    return 0;
}

void RegisterStandardFonts() {
    for (FontSlot& slot : GraphState.FontTable) slot.Length = 0;
    for (const std::string_view name : StandardFontNames) {
        RegisterFontFace(name);
        if (GraphState.GraphStatus != StatusOk) return;
    }
}

std::int16_t RegisterFontFace(std::string_view name) {
    std::int16_t result = -1;
    if (!DrawingCallAllowed()) return result;
    // The platform takes a zero-terminated name; it ends at the first zero.
    const std::string face(name.substr(0, name.find('\0')));

    win::EnterCriticalSection(&GraphState.DrawLock);
    GraphState.FontFound = 0;
    win::EnumFontFamiliesA(GraphState.WindowDC, face.c_str(), FontFamilyFound, 0);
    if (GraphState.FontFound == 1) {
        result = FirstFreeFontSlot();
        if (result >= 0) StoreFontName(GraphState.FontTable[result], face);
    }
    win::LeaveCriticalSection(&GraphState.DrawLock);

    if (result == -1) GraphState.GraphStatus = StatusFontMissing;
    return result;
}

void SetTextFont(std::uint16_t font, std::uint16_t direction, std::uint16_t size) {
    if (!DrawingCallAllowed()) return;
    const std::uint16_t slot = font & 0xF;
    const std::string_view face = slot < NoFontSlot ? GraphState.FontTable[slot].Name() : std::string_view{};
    if (face.empty()) {
        GraphState.GraphStatus = StatusEmptyFontSlot;
        return;
    }
    ReplaceFont(FontDescription(font, direction, size, face));
}

void SetTextAlignment(std::uint16_t horizontal, std::uint16_t vertical) {
    if (!DrawingCallAllowed()) return;
    if (horizontal >= HorizontalAlignments.size() || vertical >= VerticalAlignments.size()) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    // Text starts at, and moves, the current position that SetCurrentPosition sets.
    const win::UINT align =
        HorizontalAlignments[horizontal] | VerticalAlignments[vertical] | win::TA_UPDATECP;
    win::SetTextAlign(GraphState.WindowDC, align);
    win::SetTextAlign(GraphState.CanvasDC, align);
}

void SetTextSpacing(std::uint16_t characterExtra, std::uint16_t breakExtra, std::uint16_t, std::uint32_t) {
    if (!DrawingCallAllowed()) return;
    win::SetTextCharacterExtra(GraphState.WindowDC, characterExtra);
    win::SetTextCharacterExtra(GraphState.CanvasDC, characterExtra);
    // The extra pixels of a line are spread over one break character.
    win::SetTextJustification(GraphState.WindowDC, breakExtra, 1);
    win::SetTextJustification(GraphState.CanvasDC, breakExtra, 1);
}

}  // namespace lumenbox

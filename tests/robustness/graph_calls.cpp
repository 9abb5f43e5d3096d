// The drawing, palette, text and view calls, with their arguments drawn from
// the edges of their types and of the open canvas.
#include <array>
#include <cstdint>

#include <lumenbox/graph.h>

#include "robustness/call_text.h"
#include "robustness/edge_values.h"
#include "robustness/library_calls.h"

namespace lumenbox::robustness {

namespace {

constexpr std::uint32_t PaletteIndexBase = 0x01000000;

// A coordinate near the canvas's edges, the view origin's negative (device
// column 0), or anywhere a 16-bit value reaches.
std::int16_t Coordinate(ChoiceSource& choices) {
    return EdgeInt16(choices, {0, GraphState.MaxX, GraphState.MaxY, -GraphState.ViewOriginX,
                               -GraphState.ViewOriginY, 639, 479});
}

std::uint32_t Colour(ChoiceSource& choices) {
    return EdgeUInt32(choices, {0, GraphState.PaletteSize, GraphState.PaletteCapacity, 255, 256, 0xFFFFFF,
                                PaletteIndexBase, 41120});
}

// Promises of a call's result go into the outcome's problem.
CallOutcome Made(Call call, std::string text, std::string problem = {}) {
    return CallOutcome{call, std::move(text), std::move(problem)};
}

CallOutcome SelectDrawPageCall(ChoiceSource& choices, const Session& session) {
    const std::uint16_t page = EdgeUInt16(choices, {0, 3, 4});
    SelectDrawPage(page);
    const bool selected = !session.open || GraphState.DrawPage == (page < 4 ? page : 0);
    return Made(Call::SelectDrawPage, CallText("SelectDrawPage", page), selected ? "" : "another page was selected");
}

CallOutcome SelectGLTargetCall(ChoiceSource& choices) {
    const bool toWindow = Chance(choices, 50);
    const ViewAreaRecord before = GraphState.ViewArea;
    SelectGLTarget(toWindow);
    const ViewAreaRecord& after = GraphState.ViewArea;
    const bool kept = before.x1 == after.x1 && before.y1 == after.y1 && before.x2 == after.x2 &&
                      before.y2 == after.y2 && before.clip == after.clip;
    return Made(Call::SelectGLTarget, CallText("SelectGLTarget", toWindow), kept ? "" : "the view area changed");
}

// A palette index of the palette's own range, or the colour itself.
CallOutcome DeviceColorCall(ChoiceSource& choices) {
    const std::uint32_t colour = Colour(choices);
    const std::uint32_t device = DeviceColor(colour);
    const bool fine = GraphState.PaletteMode ? device >= PaletteIndexBase && device <= PaletteIndexBase + 255
                                             : device == colour;
    return Made(Call::DeviceColor, CallText("DeviceColor", colour), fine ? "" : "result " + std::to_string(device));
}

CallOutcome SetPaletteColorCall(ChoiceSource& choices) {
    const std::uint16_t entry = EdgeUInt16(choices, {0, GraphState.PaletteSize, GraphState.PaletteCapacity, 255});
    const std::uint16_t red = EdgeUInt16(choices, {255, 300});
    const std::uint16_t green = EdgeUInt16(choices, {255});
    const std::uint16_t blue = EdgeUInt16(choices, {0});
    SetPaletteColor(entry, red, green, blue);
    return Made(Call::SetPaletteColor, CallText("SetPaletteColor", entry, red, green, blue));
}

CallOutcome FillDefaultPaletteCall() {
    PaletteRecord record{};
    FillDefaultPalette(record);
    const std::uint16_t expected = GraphState.PaletteMode ? GraphState.PaletteCapacity : 256;
    return Made(Call::FillDefaultPalette, "FillDefaultPalette(record)",
                record.Count == expected ? "" : "Count " + std::to_string(record.Count));
}

CallOutcome ReplacePaletteCall(ChoiceSource& choices) {
    PaletteRecord record{};
    FillDefaultPalette(record);
    record.Count = EdgeUInt16(choices, {0, 1, 2, 16, 256, GraphState.PaletteCapacity});
    const bool randomColours = Chance(choices, 50);
    if (randomColours) {
        for (std::uint32_t& colour : record.Colors) colour = choices.Bits32();
    }
    ReplacePalette(record);
    // A refused palette leaves the size in use as it was.
    const bool sized = GraphState.GraphStatus != StatusOk || GraphState.PaletteSize == record.Count;
    const std::string text = "ReplacePalette({Count " + std::to_string(record.Count) +
                             (randomColours ? ", random colours})" : ", default colours})");
    return Made(Call::ReplacePalette, text, sized ? "" : "PaletteSize " + std::to_string(GraphState.PaletteSize));
}

CallOutcome SetFillModeCall(ChoiceSource& choices) {
    const std::uint16_t mode = EdgeUInt16(choices, {0, 8, 9, 10});
    const std::uint32_t colour = Colour(choices);
    SetFillMode(mode, colour);
    return Made(Call::SetFillMode, CallText("SetFillMode", mode, colour));
}

CallOutcome DefineFillPatternCall(ChoiceSource& choices) {
    std::array<std::uint8_t, 8> rows{};
    for (std::uint8_t& row : rows) row = EdgeByte(choices);
    const std::uint32_t colour = Colour(choices);
    DefineFillPattern(rows, colour);
    // "(1, 2, ...)" made "{1, 2, ...}".
    std::string rowText = CallText("", rows[0], rows[1], rows[2], rows[3], rows[4], rows[5], rows[6], rows[7]);
    rowText.front() = '{';
    rowText.back() = '}';
    return Made(Call::DefineFillPattern, CallText("DefineFillPattern", Verbatim{rowText}, colour));
}

CallOutcome FillBarCall(ChoiceSource& choices) {
    const std::int16_t x1 = Coordinate(choices);
    const std::int16_t y1 = Coordinate(choices);
    const std::int16_t x2 = Coordinate(choices);
    const std::int16_t y2 = Coordinate(choices);
    FillBar(x1, y1, x2, y2);
    return Made(Call::FillBar, CallText("FillBar", x1, y1, x2, y2));
}

// 0 without a window; a palette entry in palette kinds; a COLORREF or
// CLR_INVALID otherwise.
std::string CheckPixel(std::uint32_t pixel, const Session& session) {
    if (!session.open) return pixel == 0 ? "" : "a pixel without a window";
    if (GraphState.PaletteMode) {
        const std::uint32_t entries = session.defaultsLoaded ? GraphState.PaletteSize : GraphState.PaletteCapacity;
        return pixel < entries ? "" : "entry " + std::to_string(pixel) + " of " + std::to_string(entries);
    }
    return (pixel >> 24) == 0 || pixel == 0xFFFFFFFFu ? "" : "not a COLORREF: " + std::to_string(pixel);
}

CallOutcome ReadPixelCall(ChoiceSource& choices, const Session& session) {
    const std::int16_t x = Coordinate(choices);
    const std::int16_t y = Coordinate(choices);
    const std::uint32_t pixel = ReadPixel(x, y);
    return Made(Call::ReadPixel, CallText("ReadPixel", x, y), CheckPixel(pixel, session));
}

CallOutcome SetDrawColorCall(ChoiceSource& choices) {
    const std::uint32_t colour = Colour(choices);
    SetDrawColor(colour);
    // Stored even without a window.
    return Made(Call::SetDrawColor, CallText("SetDrawColor", colour),
                GraphState.DrawColor == colour ? "" : "DrawColor not stored");
}

CallOutcome SetLineModeCall(ChoiceSource& choices) {
    const std::uint16_t style = EdgeUInt16(choices, {0, 5, 6, 7});
    const std::uint16_t pattern = EdgeUInt16(choices);
    const std::uint16_t thickness = EdgeUInt16(choices, {0, 1, 100});
    SetLineMode(style, pattern, thickness);
    return Made(Call::SetLineMode, CallText("SetLineMode", style, pattern, thickness));
}

CallOutcome SetMixModeCall(ChoiceSource& choices) {
    const std::int16_t mode = EdgeInt16(choices, {0, 15, 16, 31, 32, -1, -16, -17});
    SetMixMode(mode);
    return Made(Call::SetMixMode, CallText("SetMixMode", mode));
}

// A slot number exactly when the status is 0.
CallOutcome RegisterFontFaceCall(ChoiceSource& choices) {
    const std::string name =
        EdgeText(choices, {"Courier New", "MS Sans Serif", "Times New Roman", "Arial", "arial", "No Such Face"});
    const std::int16_t slot = RegisterFontFace(name);
    const bool ok = GraphState.GraphStatus == StatusOk;
    const bool consistent = ok ? slot >= 0 && slot <= 14 : slot == -1;
    return Made(Call::RegisterFontFace, CallText("RegisterFontFace", name),
                consistent ? "" : "slot " + std::to_string(slot) + " with status " +
                                      std::to_string(GraphState.GraphStatus.load()));
}

CallOutcome SetTextFontCall(ChoiceSource& choices) {
    const std::uint16_t font = EdgeUInt16(choices, {0, 3, 4, 14, 15, 0x11, 0x1100, 0xF0});
    const std::uint16_t direction = EdgeUInt16(choices, {0, 90, 360});
    const std::uint16_t size = EdgeUInt16(choices, {0, 5, 6, 16});
    SetTextFont(font, direction, size);
    return Made(Call::SetTextFont, CallText("SetTextFont", font, direction, size));
}

CallOutcome SetTextAlignmentCall(ChoiceSource& choices) {
    const std::uint16_t horizontal = EdgeUInt16(choices, {0, 2, 3});
    const std::uint16_t vertical = EdgeUInt16(choices, {0, 2, 3});
    SetTextAlignment(horizontal, vertical);
    return Made(Call::SetTextAlignment, CallText("SetTextAlignment", horizontal, vertical));
}

CallOutcome SetTextSpacingCall(ChoiceSource& choices) {
    const std::uint16_t characterExtra = EdgeUInt16(choices, {0, 100});
    const std::uint16_t breakExtra = EdgeUInt16(choices, {0, 100});
    const std::uint16_t reserved1 = EdgeUInt16(choices);
    const std::uint32_t reserved2 = EdgeUInt32(choices);
    SetTextSpacing(characterExtra, breakExtra, reserved1, reserved2);
    return Made(Call::SetTextSpacing, CallText("SetTextSpacing", characterExtra, breakExtra, reserved1, reserved2));
}

CallOutcome SetViewAreaCall(ChoiceSource& choices) {
    const std::int16_t x1 = Coordinate(choices);
    const std::int16_t y1 = Coordinate(choices);
    const std::int16_t x2 = Coordinate(choices);
    const std::int16_t y2 = Coordinate(choices);
    const bool clip = Chance(choices, 50);
    SetViewArea(x1, y1, x2, y2, clip);
    return Made(Call::SetViewArea, CallText("SetViewArea", x1, y1, x2, y2, clip));
}

CallOutcome SetCurrentPositionCall(ChoiceSource& choices) {
    const std::int16_t x = Coordinate(choices);
    const std::int16_t y = Coordinate(choices);
    SetCurrentPosition(x, y);
    return Made(Call::SetCurrentPosition, CallText("SetCurrentPosition", x, y));
}

CallOutcome SetBackgroundColorCall(ChoiceSource& choices) {
    const std::uint32_t colour = Colour(choices);
    SetBackgroundColor(colour);
    return Made(Call::SetBackgroundColor, CallText("SetBackgroundColor", colour));
}

CallOutcome SetAspectFactorsCall(ChoiceSource& choices) {
    const std::uint16_t x = EdgeUInt16(choices, {10000});
    const std::uint16_t y = EdgeUInt16(choices, {10000});
    SetAspectFactors(x, y);
    const bool square = x == 10000 && y == 10000;
    return Made(Call::SetAspectFactors, CallText("SetAspectFactors", x, y),
                GraphState.AspectIsSquare == square ? "" : "wrong squareness");
}

CallOutcome BindStandardColorsCall() {
    BindStandardColors();
    const bool bound = GraphState.StandardColorRefs[0] == &GraphState.StandardColors[0] &&
                       GraphState.StandardColorRefs[255] == &GraphState.StandardColors[255];
    return Made(Call::BindStandardColors, "BindStandardColors()", bound ? "" : "references not bound");
}

CallOutcome IsGraphOpenCall(const Session& session) {
    const bool open = IsGraphOpen();
    return Made(Call::IsGraphOpen, "IsGraphOpen()", open == session.open ? "" : "answered " + std::to_string(open));
}

CallOutcome StatusMeaningCall(ChoiceSource& choices) {
    const std::int16_t code = EdgeInt16(choices, {0, -10, -11});
    const char* meaning = StatusMeaning(code);
    return Made(Call::StatusMeaning, CallText("StatusMeaning", code),
                meaning != nullptr && *meaning != '\0' ? "" : "no words");
}

}  // namespace

CallOutcome PerformGraphCall(Call call, ChoiceSource& choices, const Session& session) {
    switch (call) {
    case Call::SelectDrawPage: return SelectDrawPageCall(choices, session);
    case Call::SelectGLTarget: return SelectGLTargetCall(choices);
    case Call::DeviceColor: return DeviceColorCall(choices);
    case Call::SetPaletteColor: return SetPaletteColorCall(choices);
    case Call::FillDefaultPalette: return FillDefaultPaletteCall();
    case Call::ReplacePalette: return ReplacePaletteCall(choices);
    case Call::SetFillMode: return SetFillModeCall(choices);
    case Call::DefineFillPattern: return DefineFillPatternCall(choices);
    case Call::FillBar: return FillBarCall(choices);
    case Call::ReadPixel: return ReadPixelCall(choices, session);
    case Call::SetDrawColor: return SetDrawColorCall(choices);
    case Call::SetLineMode: return SetLineModeCall(choices);
    case Call::SetMixMode: return SetMixModeCall(choices);
    case Call::RegisterStandardFonts:
        RegisterStandardFonts();
        return Made(call, "RegisterStandardFonts()");
    case Call::RegisterFontFace: return RegisterFontFaceCall(choices);
    case Call::SetTextFont: return SetTextFontCall(choices);
    case Call::SetTextAlignment: return SetTextAlignmentCall(choices);
    case Call::SetTextSpacing: return SetTextSpacingCall(choices);
    case Call::ResetDrawingState:
        ResetDrawingState();
        return Made(call, "ResetDrawingState()");
    case Call::SetViewArea: return SetViewAreaCall(choices);
    case Call::SetCurrentPosition: return SetCurrentPositionCall(choices);
    case Call::SetBackgroundColor: return SetBackgroundColorCall(choices);
    case Call::SetAspectFactors: return SetAspectFactorsCall(choices);
    case Call::BindStandardColors: return BindStandardColorsCall();
    case Call::IsGraphOpen: return IsGraphOpenCall(session);
    case Call::StatusMeaning: return StatusMeaningCall(choices);
    default: return PerformDrawingCall(call, choices, session);
    }
}

}  // namespace lumenbox::robustness

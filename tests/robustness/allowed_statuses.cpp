#include "robustness/allowed_statuses.h"

#include <array>
#include <sstream>

namespace lumenbox::robustness {

namespace {

constexpr StatusSet Keeps = StatusSet::Unchanged();
// A drawing or settings call without a window: refused, nothing else.
constexpr StatusSet NotOpen = {-1};

// Indexed by Call. Each call first sets 0 and then at most one refusal; the
// refusals listed are the ones its arguments or the window's kind can cause.
constexpr std::array<StatusRule, CallCount> Rules = {{
    /* OpenGraphics: bad kind, bad size or no fit, window failed, font missing
       (open but hidden), no OpenGL (open); -10 while a window is open. */
    {{0, -2, -3, -4, -5, -9}, {-10}},
    /* CloseGraphics */ {NotOpen, {0}},
    /* GraphLibraryStart */ {Keeps, Keeps},
    /* GraphLibraryStop: closes a window left open, and that reports 0. */ {Keeps, {0}},
    /* BindStandardColors */ {Keeps, Keeps},
    /* IsGraphOpen */ {Keeps, Keeps},
    /* StatusMeaning */ {Keeps, Keeps},
    /* SelectDrawPage: a page of 4 or more means page 0, never a refusal. */ {NotOpen, {0}},
    /* SelectGLTarget: -9 without both contexts, which is always the case
       after a close. */
    {{-9}, {0, -9}},
    /* DeviceColor */ {Keeps, Keeps},
    /* SetPaletteColor: no palette, then entry out of range. */ {NotOpen, {0, -8, -7}},
    /* FillDefaultPalette */ {Keeps, Keeps},
    /* ReplacePalette: no palette, then a count of 0 or above the capacity. */ {NotOpen, {0, -8, -7}},
    /* SetFillMode: mode 10 or above. */ {NotOpen, {0, -7}},
    /* DefineFillPattern: selects mode 8, which is always valid. */ {NotOpen, {0}},
    /* FillBar: any rectangle, reversed or off the canvas, is accepted. */ {NotOpen, {0}},
    /* ReadPixel: no range check. */ {NotOpen, {0}},
    /* SetDrawColor: rebuilds the pen from line settings already checked. */ {NotOpen, {0}},
    /* SetLineMode: style above 6. */ {NotOpen, {0, -7}},
    /* SetMixMode: mode outside 0 to 31. */ {NotOpen, {0, -7}},
    /* RegisterStandardFonts: a standard face missing, or the table full. */ {NotOpen, {0, -5}},
    /* RegisterFontFace: face not installed, or the table full. */ {NotOpen, {0, -5}},
    /* SetTextFont: slot 15 or a free slot. */ {NotOpen, {0, -6}},
    /* SetTextAlignment: a number outside 0 to 2. */ {NotOpen, {0, -7}},
    /* SetTextSpacing */ {NotOpen, {0}},
    /* ResetDrawingState: ends with SetMixMode(0). */ {NotOpen, {0}},
    /* SetViewArea: reversed corners, or wider or taller than 16 bits hold. */ {NotOpen, {0, -7}},
    /* SetCurrentPosition */ {NotOpen, {0}},
    /* SetBackgroundColor */ {NotOpen, {0}},
    /* SetAspectFactors: works without a window, reports nothing. */ {Keeps, Keeps},
    // Drawing: anything off the canvas is clipped, never refused.
    /* PlotPixel */ {NotOpen, {0}},
    /* DrawLine */ {NotOpen, {0}},
    /* DrawLineTo */ {NotOpen, {0}},
    /* DrawLineBy */ {NotOpen, {0}},
    /* DrawRectangle */ {NotOpen, {0}},
    /* DrawPolygon: fewer than 2 points. */ {NotOpen, {0, -7}},
    /* DrawArc */ {NotOpen, {0}},
    /* DrawCircle */ {NotOpen, {0}},
    /* DrawEllipse */ {NotOpen, {0}},
    /* PaintEllipse */ {NotOpen, {0}},
    /* PaintPolygon: fewer than 3 points. */ {NotOpen, {0, -7}},
    /* PaintPieSlice */ {NotOpen, {0}},
    /* FloodArea */ {NotOpen, {0}},
    /* WriteText */ {NotOpen, {0}},
    /* WriteTextAt */ {NotOpen, {0}},
    /* MeasureTextWidth */ {NotOpen, {0}},
    /* MeasureTextHeight */ {NotOpen, {0}},
    /* CopyBlock: reversed corners, or a block wider or taller than 32767. */ {NotOpen, {0, -7}},
    /* PasteBlock: a mode above 4, or pixels that are not width x height. */ {NotOpen, {0, -7}},
    /* ClearViewArea */ {NotOpen, {0}},
    /* ClearGraphics */ {NotOpen, {0}},
    /* FinishGLDrawing: -9 without both contexts. */ {NotOpen, {0, -9}},
    /* SavePicture: a path that cannot be written, or a window without client area. */ {NotOpen, {0, -11}},
    /* StartRecording: the file cannot be made, or already recording. */ {NotOpen, {0, -11, -7}},
    /* StopRecording: the file could not be written. */ {NotOpen, {0, -11}},
    // The keyboard unit and the random numbers report nothing.
    /* KeyWaiting */ {Keeps, Keeps},
    /* NextKey */ {Keeps, Keeps},
    /* PutKey */ {Keeps, Keeps},
    /* PutExtendedKey */ {Keeps, Keeps},
    /* ResetKeyQueue */ {Keeps, Keeps},
    /* EndKeyQueueWindow */ {Keeps, Keeps},
    /* AdvanceKeyIndex */ {Keeps, Keeps},
    /* InstallKeyboard */ {Keeps, Keeps},
    /* KeyMessageHandler */ {Keeps, Keeps},
    /* TranslateKeyDown */ {Keeps, Keeps},
    // Nor does the pointer unit.
    /* PointerEventWaiting */ {Keeps, Keeps},
    /* NextPointerEvent */ {Keeps, Keeps},
    /* PointerPosition */ {Keeps, Keeps},
    /* PointerButtons */ {Keeps, Keeps},
    /* PointerEventsDropped */ {Keeps, Keeps},
    /* PutPointerEvent */ {Keeps, Keeps},
    /* ResetPointerQueue */ {Keeps, Keeps},
    /* EndPointerQueueWindow */ {Keeps, Keeps},
    /* KeepPointerPosition */ {Keeps, Keeps},
    /* KeepPointerButtons */ {Keeps, Keeps},
    /* SeedRandom */ {Keeps, Keeps},
    /* RandomBelow */ {Keeps, Keeps},
}};

}  // namespace

std::string StatusSet::Describe() const {
    if (unchanged_) return "the status as it was";
    std::ostringstream text;
    const char* separator = "{";
    for (std::int16_t code = 0; code >= -11; --code) {
        if (!Contains(code)) continue;
        text << separator << code;
        separator = ", ";
    }
    text << "}";
    return text.str();
}

const StatusRule& RuleFor(Call call) { return Rules[static_cast<std::size_t>(call)]; }

std::optional<std::string> CheckStatus(Call call, bool wasOpen, std::int16_t before, std::int16_t after) {
    const StatusSet& allowed = wasOpen ? RuleFor(call).whenOpen : RuleFor(call).whenClosed;
    const bool kept = allowed.KeepsStatus() ? after == before : allowed.Contains(after);
    if (kept) return std::nullopt;
    std::ostringstream why;
    why << "GraphStatus " << after << " (before the call " << before << "); allowed "
        << (wasOpen ? "with a window open: " : "without a window: ") << allowed.Describe();
    return why.str();
}

}  // namespace lumenbox::robustness

// Every public call of the graphics library and the keyboard unit (and the
// random numbers the demonstration draws), as the engine names them.
#pragma once

#include <cstdint>
#include <string>

namespace lumenbox::robustness {

enum class Call : std::uint8_t {
    // Opening and closing, and the library's start-up and shut-down.
    OpenGraphics,
    CloseGraphics,
    GraphLibraryStart,
    GraphLibraryStop,
    BindStandardColors,
    IsGraphOpen,
    StatusMeaning,
    SelectDrawPage,
    SelectGLTarget,
    // Colours and palette.
    DeviceColor,
    SetPaletteColor,
    FillDefaultPalette,
    ReplacePalette,
    // Fills and pixels.
    SetFillMode,
    DefineFillPattern,
    FillBar,
    ReadPixel,
    // Pens and mix mode.
    SetDrawColor,
    SetLineMode,
    SetMixMode,
    // Text.
    RegisterStandardFonts,
    RegisterFontFace,
    SetTextFont,
    SetTextAlignment,
    SetTextSpacing,
    // View area and defaults.
    ResetDrawingState,
    SetViewArea,
    SetCurrentPosition,
    SetBackgroundColor,
    SetAspectFactors,
    // Drawing with the settings.
    PlotPixel,
    DrawLine,
    DrawLineTo,
    DrawLineBy,
    DrawRectangle,
    DrawPolygon,
    DrawArc,
    DrawCircle,
    DrawEllipse,
    PaintEllipse,
    PaintPolygon,
    PaintPieSlice,
    FloodArea,
    WriteText,
    WriteTextAt,
    MeasureTextWidth,
    MeasureTextHeight,
    CopyBlock,
    PasteBlock,
    ClearViewArea,
    ClearGraphics,
    FinishGLDrawing,
    // Pictures.
    SavePicture,
    // Recording.
    StartRecording,
    StopRecording,
    // Keyboard.
    KeyWaiting,
    NextKey,
    PutKey,
    PutExtendedKey,
    ResetKeyQueue,
    EndKeyQueueWindow,
    AdvanceKeyIndex,
    InstallKeyboard,
    KeyMessageHandler,
    TranslateKeyDown,
    // Pointer.
    PointerEventWaiting,
    NextPointerEvent,
    PointerPosition,
    PointerButtons,
    PointerEventsDropped,
    PutPointerEvent,
    ResetPointerQueue,
    EndPointerQueueWindow,
    KeepPointerPosition,
    KeepPointerButtons,
    // Random numbers.
    SeedRandom,
    RandomBelow,
};

inline constexpr std::uint32_t CallCount = static_cast<std::uint32_t>(Call::RandomBelow) + 1;

const char* CallName(Call call);

// One call as made: which, with which arguments, and what broke a promise of
// its result (empty when nothing did). The status is checked apart from this.
struct CallOutcome {
    Call call;
    std::string text;
    std::string problem;
};

}  // namespace lumenbox::robustness

#include "robustness/calls.h"

#include <array>

namespace lumenbox::robustness {

namespace {

// Indexed by Call.
constexpr std::array<const char*, CallCount> Names = {
    "OpenGraphics",     "CloseGraphics",     "GraphLibraryStart", "GraphLibraryStop",      "BindStandardColors",
    "IsGraphOpen",      "StatusMeaning",     "SelectDrawPage",    "SelectGLTarget",        "DeviceColor",
    "SetPaletteColor",  "FillDefaultPalette", "ReplacePalette",   "SetFillMode",           "DefineFillPattern",
    "FillBar",          "ReadPixel",         "SetDrawColor",      "SetLineMode",           "SetMixMode",
    "RegisterStandardFonts", "RegisterFontFace", "SetTextFont",   "SetTextAlignment",      "SetTextSpacing",
    "ResetDrawingState", "SetViewArea",      "SetCurrentPosition", "SetBackgroundColor",   "SetAspectFactors",
    "PlotPixel",        "DrawLine",          "DrawLineTo",        "DrawLineBy",            "DrawRectangle",
    "DrawPolygon",      "DrawArc",           "DrawCircle",        "DrawEllipse",           "PaintEllipse",
    "PaintPolygon",     "PaintPieSlice",     "FloodArea",         "WriteText",             "WriteTextAt",
    "MeasureTextWidth", "MeasureTextHeight", "CopyBlock",         "PasteBlock",            "ClearViewArea",
    "ClearGraphics",    "FinishGLDrawing",   "SavePicture",
    "StartRecording",   "StopRecording",
    "KeyWaiting",       "NextKey",           "PutKey",            "PutExtendedKey",        "ResetKeyQueue",
    "EndKeyQueueWindow", "AdvanceKeyIndex",  "InstallKeyboard",   "KeyMessageHandler", "TranslateKeyDown",
    "PointerEventWaiting", "NextPointerEvent", "PointerPosition", "PointerButtons", "PointerEventsDropped",
    "PutPointerEvent",  "ResetPointerQueue", "EndPointerQueueWindow", "KeepPointerPosition", "KeepPointerButtons",
    "SeedRandom",
    "RandomBelow",
};

}  // namespace

const char* CallName(Call call) { return Names[static_cast<std::size_t>(call)]; }

}  // namespace lumenbox::robustness

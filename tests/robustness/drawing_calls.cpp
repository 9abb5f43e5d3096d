// The calls that draw with the settings, with arguments from the edges:
// coordinates anywhere a 16-bit value reaches, radii up to 65535, angles far
// outside a turn, polygons of up to 10,000 points, floods over the whole
// canvas, texts of up to 100,000 characters and blocks larger than the canvas.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <lumenbox/graph.h>

#include "robustness/call_text.h"
#include "robustness/edge_values.h"
#include "robustness/library_calls.h"

namespace lumenbox::robustness {

namespace {

// The recording file of this process.
std::string RecordingFile() { return "/tmp/lumenbox-robustness-" + std::to_string(getpid()) + ".gif"; }
void RemoveRecordingFile() { std::remove(RecordingFile().c_str()); }

std::int16_t Coordinate(ChoiceSource& choices) {
    return EdgeInt16(choices, {0, GraphState.MaxX, GraphState.MaxY, -GraphState.ViewOriginX, 320, 240});
}

std::uint16_t Radius(ChoiceSource& choices) { return EdgeUInt16(choices, {0, 1, 10, 200, 65535}); }

std::int16_t Angle(ChoiceSource& choices) { return EdgeInt16(choices, {0, 90, 360, -360, 720, 32767}); }

std::uint32_t Colour(ChoiceSource& choices) {
    return EdgeUInt32(choices, {0, GraphState.PaletteSize, 255, 256, 0xFFFFFF, 0x01000000});
}

CallOutcome Made(Call call, std::string text, std::string problem = {}) {
    return CallOutcome{call, std::move(text), std::move(problem)};
}

std::vector<Point> Points(ChoiceSource& choices) {
    // Now and then a very long one; the sequences stay quick under the sanitizers.
    const std::int32_t count = Chance(choices, 3) ? 10000 : SmallCount(choices, 12);
    std::vector<Point> points(static_cast<std::size_t>(count));
    for (Point& p : points) p = {Coordinate(choices), Coordinate(choices)};
    return points;
}

std::string PointsText(const std::vector<Point>& points) {
    return "{" + std::to_string(points.size()) + " points}";
}

std::string Text(ChoiceSource& choices) {
    if (Chance(choices, 2)) return std::string(100000, static_cast<char>('A' + choices.Below(26)));
    return EdgeText(choices, {"Hello", "a b c", " ", ""});
}

PixelBlock Block(ChoiceSource& choices) {
    PixelBlock block;
    switch (choices.Below(20)) {
    case 0: block = CopyBlock(Coordinate(choices), Coordinate(choices), Coordinate(choices), Coordinate(choices)); break;
    case 1: block = {2000, 1500, {}}; block.Pixels.assign(2000u * 1500u, choices.Bits32()); break;
    case 2: block = {3, 3, {1, 2, 3}}; break;  // malformed
    case 3: block = {-1, 4, {}}; break;
    default:
        block.Width = static_cast<std::int16_t>(choices.Below(40));
        block.Height = static_cast<std::int16_t>(choices.Below(40));
        block.Pixels.resize(static_cast<std::size_t>(block.Width) * static_cast<std::size_t>(block.Height));
        for (std::uint32_t& value : block.Pixels) value = choices.Bits32();
    }
    return block;
}

// A copied block has the shape it says, or is empty with -7.
std::string CheckBlock(const PixelBlock& block) {
    const bool shaped = block.Pixels.size() == static_cast<std::size_t>(block.Width) * static_cast<std::size_t>(block.Height);
    if (!shaped) return "a block whose pixels are not its width times its height";
    return GraphState.GraphStatus == StatusOutOfRange && !block.Pixels.empty() ? "a refused copy with pixels" : "";
}

CallOutcome FourCoordinates(Call call, ChoiceSource& choices, void (*draw)(std::int16_t, std::int16_t, std::int16_t, std::int16_t)) {
    const std::int16_t x1 = Coordinate(choices), y1 = Coordinate(choices);
    const std::int16_t x2 = Coordinate(choices), y2 = Coordinate(choices);
    draw(x1, y1, x2, y2);
    return Made(call, CallText(CallName(call), x1, y1, x2, y2));
}

CallOutcome ShapeCall(Call call, ChoiceSource& choices) {
    const std::int16_t x = Coordinate(choices), y = Coordinate(choices);
    const std::uint16_t rx = Radius(choices), ry = Radius(choices);
    const std::int16_t start = Angle(choices), end = Angle(choices);
    switch (call) {
    case Call::DrawArc: DrawArc(x, y, start, end, rx); return Made(call, CallText("DrawArc", x, y, start, end, rx));
    case Call::DrawCircle: DrawCircle(x, y, rx); return Made(call, CallText("DrawCircle", x, y, rx));
    case Call::DrawEllipse: DrawEllipse(x, y, rx, ry); return Made(call, CallText("DrawEllipse", x, y, rx, ry));
    case Call::PaintEllipse: PaintEllipse(x, y, rx, ry); return Made(call, CallText("PaintEllipse", x, y, rx, ry));
    default:
        PaintPieSlice(x, y, start, end, rx, ry);
        return Made(call, CallText("PaintPieSlice", x, y, start, end, rx, ry));
    }
}

CallOutcome TextCall(Call call, ChoiceSource& choices) {
    const std::string text = Text(choices);
    switch (call) {
    case Call::WriteText: WriteText(text); return Made(call, CallText("WriteText", text));
    case Call::WriteTextAt: {
        const std::int16_t x = Coordinate(choices), y = Coordinate(choices);
        WriteTextAt(x, y, text);
        return Made(call, CallText("WriteTextAt", x, y, text));
    }
    case Call::MeasureTextWidth: {
        const std::int16_t width = MeasureTextWidth(text);
        return Made(call, CallText("MeasureTextWidth", text), width >= 0 ? "" : "a negative width");
    }
    default: {
        const std::int16_t height = MeasureTextHeight(text);
        return Made(call, CallText("MeasureTextHeight", text), height >= 0 ? "" : "a negative height");
    }
    }
}

CallOutcome PolygonCall(Call call, ChoiceSource& choices) {
    const std::vector<Point> points = Points(choices);
    if (call == Call::DrawPolygon) DrawPolygon(points);
    else PaintPolygon(points);
    return Made(call, std::string(CallName(call)) + "(" + PointsText(points) + ")");
}

}  // namespace

CallOutcome PerformDrawingCall(Call call, ChoiceSource& choices, const Session&) {
    switch (call) {
    case Call::PlotPixel: {
        const std::int16_t x = Coordinate(choices), y = Coordinate(choices);
        const std::uint32_t colour = Colour(choices);
        PlotPixel(x, y, colour);
        return Made(call, CallText("PlotPixel", x, y, colour));
    }
    case Call::DrawLine: return FourCoordinates(call, choices, DrawLine);
    case Call::DrawRectangle: return FourCoordinates(call, choices, DrawRectangle);
    case Call::DrawLineTo: {
        const std::int16_t x = Coordinate(choices), y = Coordinate(choices);
        DrawLineTo(x, y);
        return Made(call, CallText("DrawLineTo", x, y));
    }
    case Call::DrawLineBy: {
        const std::int16_t dx = Coordinate(choices), dy = Coordinate(choices);
        DrawLineBy(dx, dy);
        return Made(call, CallText("DrawLineBy", dx, dy));
    }
    case Call::DrawPolygon:
    case Call::PaintPolygon: return PolygonCall(call, choices);
    case Call::DrawArc:
    case Call::DrawCircle:
    case Call::DrawEllipse:
    case Call::PaintEllipse:
    case Call::PaintPieSlice: return ShapeCall(call, choices);
    case Call::FloodArea: {
        const std::int16_t x = Coordinate(choices), y = Coordinate(choices);
        const std::uint32_t border = Colour(choices);
        FloodArea(x, y, border);
        return Made(call, CallText("FloodArea", x, y, border));
    }
    case Call::WriteText:
    case Call::WriteTextAt:
    case Call::MeasureTextWidth:
    case Call::MeasureTextHeight: return TextCall(call, choices);
    case Call::CopyBlock: {
        const std::int16_t x1 = Coordinate(choices), y1 = Coordinate(choices);
        const std::int16_t x2 = Coordinate(choices), y2 = Coordinate(choices);
        const PixelBlock block = CopyBlock(x1, y1, x2, y2);
        return Made(call, CallText("CopyBlock", x1, y1, x2, y2), CheckBlock(block));
    }
    case Call::PasteBlock: {
        const PixelBlock block = Block(choices);
        const std::int16_t x = Coordinate(choices), y = Coordinate(choices);
        const std::uint16_t mode = EdgeUInt16(choices, {0, 4, 5});
        PasteBlock(x, y, block, mode);
        return Made(call, CallText("PasteBlock", x, y,
                                   Verbatim{"{" + std::to_string(block.Width) + " x " + std::to_string(block.Height) +
                                            ", " + std::to_string(block.Pixels.size()) + " pixels}"},
                                   mode));
    }
    case Call::ClearViewArea: ClearViewArea(); return Made(call, "ClearViewArea()");
    case Call::ClearGraphics: ClearGraphics(); return Made(call, "ClearGraphics()");
    case Call::FinishGLDrawing: FinishGLDrawing(); return Made(call, "FinishGLDrawing()");
    case Call::SavePicture: return SavePictureCall(choices);
    case Call::StartRecording: {
        // One file of the process's own, gone when it exits, or a folder
        // that does not exist.
        static const bool removedAtExit = std::atexit(RemoveRecordingFile) == 0;
        const std::string path = Chance(choices, 50) && removedAtExit
                                     ? RecordingFile()
                                     : "/tmp/lumenbox-robustness-missing-folder/recording.gif";
        StartRecording(path);
        return Made(call, CallText("StartRecording", path));
    }
    case Call::StopRecording: StopRecording(); return Made(call, "StopRecording()");
    default: return Made(call, std::string(CallName(call)) + ": not a drawing call", "engine fault");
    }
}

}  // namespace lumenbox::robustness

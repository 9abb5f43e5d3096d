// paint: a small paint program. The left button draws with the current
// colour, the right button picks a colour from the strip along the top, the
// wheel makes the line thicker (away from you) or thinner, C clears the
// picture and Escape (or the close button) ends. It works in a window and,
// with the mouse reported by the terminal, in a terminal.
//
//   paint                          paints
//   paint --save-on-exit FILE      paints, and at the end writes what the
//                                  window shows to FILE as a PNG picture
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/pointer.h>
#include <lumenbox/standard_colors.h>

using namespace lumenbox;

namespace {

// The strip: one swatch per colour, then a sample of the current line.
constexpr std::int16_t StripHeight = 32;
constexpr std::int16_t SwatchWidth = 40;
constexpr std::int16_t SampleLeft = 560;
constexpr std::uint16_t ThinnestLine = 1;
constexpr std::uint16_t ThickestLine = 25;
constexpr std::uint8_t EscapeKey = 27;
constexpr std::uint8_t CloseButtonCode = 107;
// How often the program looks at the pointer while the left button is held.
constexpr std::chrono::milliseconds LookInterval{8};

struct Painter {
    std::uint32_t colour = 0;
    std::uint16_t thickness = 3;
    bool drawing = false;    // the left button went down on the picture
    bool lastKnown = false;  // `last` is where the line goes on from
    Point last{0, 0};
};

std::array<std::uint32_t, 14> Palette() {
    return {White, Red, Orange, Yellow, Lime, Green, Cyan, Blue, Navy, Purple, Magenta, Pink, Brown, Black};
}

// The picture's own view area, below the strip: pointer positions are
// relative to it, and nothing drawn there can spill onto the strip.
void UsePicture() { SetViewArea(0, StripHeight + 1, static_cast<std::int16_t>(GraphState.MaxX),
                                static_cast<std::int16_t>(GraphState.MaxY), true); }
void UseWholeCanvas() { SetViewArea(0, 0, static_cast<std::int16_t>(GraphState.MaxX),
                                    static_cast<std::int16_t>(GraphState.MaxY), false); }

void DrawSample(const Painter& painter) {
    UseWholeCanvas();
    SetFillMode(1, DarkGray);
    FillBar(SampleLeft, 0, static_cast<std::int16_t>(GraphState.MaxX), StripHeight - 1);
    SetDrawColor(painter.colour);
    SetLineMode(0, 0, std::min<std::uint16_t>(painter.thickness, StripHeight - 6));
    DrawLine(SampleLeft + 16, StripHeight / 2, static_cast<std::int16_t>(GraphState.MaxX - 16), StripHeight / 2);
    UsePicture();
}

void DrawStrip(const Painter& painter) {
    UseWholeCanvas();
    const auto palette = Palette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const auto left = static_cast<std::int16_t>(SwatchWidth * static_cast<int>(i));
        SetFillMode(1, palette[i]);
        FillBar(left, 0, static_cast<std::int16_t>(left + SwatchWidth - 1), StripHeight - 1);
    }
    SetDrawColor(Gray);
    SetLineMode(0, 0, 1);
    DrawLine(0, StripHeight, static_cast<std::int16_t>(GraphState.MaxX), StripHeight);
    DrawSample(painter);
}

// A dot as wide as the line, where a stroke starts.
void DrawDot(const Painter& painter, Point at) {
    if (painter.thickness <= 1) {
        PlotPixel(at.x, at.y, painter.colour);
        return;
    }
    const auto radius = static_cast<std::uint16_t>(painter.thickness / 2);
    SetDrawColor(painter.colour);
    SetLineMode(0, 0, 1);
    SetFillMode(1, painter.colour);
    PaintEllipse(at.x, at.y, radius, radius);
}

void StrokeTo(Painter& painter, Point to) {
    if (!painter.lastKnown) {
        DrawDot(painter, to);
    } else if (to.x != painter.last.x || to.y != painter.last.y) {
        SetDrawColor(painter.colour);
        SetLineMode(0, 0, painter.thickness);
        DrawLine(painter.last.x, painter.last.y, to.x, to.y);
    }
    painter.last = to;
    painter.lastKnown = true;
}

// Picture positions are below the strip; the strip's are above the view
// area's top, so negative.
bool OnStrip(const PointerEvent& event) { return event.Y < 0 && event.Y >= -(StripHeight + 1); }

void PickColour(Painter& painter, const PointerEvent& event) {
    const int swatch = event.X / SwatchWidth;
    const auto palette = Palette();
    if (event.X < 0 || swatch >= static_cast<int>(palette.size())) return;
    painter.colour = palette[static_cast<std::size_t>(swatch)];
    DrawSample(painter);
}

void Handle(Painter& painter, const PointerEvent& event) {
    const bool press = event.Kind == PointerButtonDown || event.Kind == PointerDoubleClick;
    if (event.Kind == PointerWheel) {
        const int thicker = painter.thickness + event.Wheel;
        painter.thickness = static_cast<std::uint16_t>(std::clamp<int>(thicker, ThinnestLine, ThickestLine));
        DrawSample(painter);
    } else if (press && event.Button == PointerRight && OnStrip(event)) {
        PickColour(painter, event);
    } else if (press && event.Button == PointerLeft && event.Y >= 0) {
        painter.drawing = true;
        painter.lastKnown = false;
        StrokeTo(painter, Point{event.X, event.Y});
    } else if (event.Kind == PointerButtonUp && event.Button == PointerLeft && painter.drawing) {
        // The release says where the stroke ended, however quickly it came.
        StrokeTo(painter, Point{event.X, event.Y});
        painter.drawing = false;
    }
}

// Between events the stroke follows the pointer; outside the window it
// pauses and goes on from where the pointer comes back.
void FollowPointer(Painter& painter) {
    if (!painter.drawing) return;
    const Point at{PointerX(), PointerY()};
    if (at.x == -1 && at.y == -1) {
        painter.lastKnown = false;
        return;
    }
    StrokeTo(painter, at);
}

void HandlePointerEvents(Painter& painter) {
    while (PointerEventWaiting()) Handle(painter, NextPointerEvent());
}

// False when the program is to end. A key is queued only after every mouse
// event that came before it, so those are handled first: a click just before
// C or Escape still paints, and before the clearing.
bool HandleKeys(Painter& painter) {
    while (KeyWaiting()) {
        HandlePointerEvents(painter);
        const std::uint8_t key = NextKey();
        if (key == EscapeKey) return false;
        if (key == 0 && NextKey() == CloseButtonCode) return false;
        if (key == 'c' || key == 'C') ClearViewArea();
    }
    return true;
}

// What the window shows, strip included, as a PNG picture.
bool SaveCanvas(const char* path) {
    SavePicture(path);
    return GraphState.GraphStatus == StatusOk;
}

}  // namespace

int main(int argc, char** argv) {
    const char* savePath = argc == 3 && std::strcmp(argv[1], "--save-on-exit") == 0 ? argv[2] : nullptr;
    std::int16_t kind = 3;
    std::int16_t size = 4;
    OpenGraphics(kind, size, "Paint");
    if (!IsGraphOpen()) {
        std::fprintf(stderr, "paint: cannot open the window: status %d (%s)\n", GraphState.GraphStatus.load(),
                     StatusMeaning(GraphState.GraphStatus));
        return 1;
    }
    Painter painter;
    painter.colour = White;
    DrawStrip(painter);
    while (HandleKeys(painter)) {
        HandlePointerEvents(painter);
        FollowPointer(painter);
        std::this_thread::sleep_for(LookInterval);
    }
    const bool saved = savePath == nullptr || SaveCanvas(savePath);
    if (!saved) std::fprintf(stderr, "paint: cannot write %s\n", savePath);
    CloseGraphics();
    return saved ? 0 : 1;
}

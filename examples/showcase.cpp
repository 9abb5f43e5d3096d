// showcase: one picture drawn with every kind of drawing call: lines in each
// style, circles and an ellipse, a pie chart, hatch-filled shapes, and text
// in three faces and two directions. Escape ends it.
//
//   showcase                 shows the picture in a window
//   showcase --save FILE     draws it, writes what the window shows to
//                            FILE as a PNG picture, and ends
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include <lumenbox/graph.h>

#include "still_picture.h"

using namespace lumenbox;

namespace {

void DrawTitle() {
    SetDrawColor(White);
    SetTextFont(3 | (1 << 4), 0, 28);  // Arial, bold
    WriteTextAt(20, 12, "Lumenbox: drawing with the settings");
    SetDrawColor(Gray);
    DrawLine(20, 48, 619, 48);
}

// One line in each style, then thicker ones.
void DrawLineStyles() {
    const char* const names[] = {"solid", "dot", "dash-dot", "dash", "dash-dot-dot"};
    SetTextFont(0, 0, 14);  // Courier New
    for (std::uint16_t style = 0; style < 5; ++style) {
        const auto y = static_cast<std::int16_t>(70 + 18 * style);
        SetDrawColor(LightGray);
        WriteTextAt(20, static_cast<std::int16_t>(y - 7), names[style]);
        SetDrawColor(Yellow);
        SetLineMode(style, 0, 1);
        DrawLine(140, y, 300, y);
    }
    const std::uint32_t colours[] = {Orange, Red, Magenta};
    for (std::uint16_t i = 0; i < 3; ++i) {
        SetDrawColor(colours[i]);
        SetLineMode(0, 0, static_cast<std::uint16_t>(3 + 3 * i));
        const auto y = static_cast<std::int16_t>(170 + 16 * i);
        DrawLine(20, y, 300, static_cast<std::int16_t>(y + 8));
    }
    SetLineMode(0, 0, 1);
}

void DrawCircles() {
    const std::uint32_t colours[] = {Cyan, DeepSkyBlue, RoyalBlue, Violet, Magenta};
    for (std::uint16_t i = 0; i < 5; ++i) {
        SetDrawColor(colours[i]);
        DrawCircle(410, 140, static_cast<std::uint16_t>(12 + 14 * i));
    }
    SetDrawColor(SpringGreen);
    DrawEllipse(410, 140, 90, 30);
    SetDrawColor(White);
    DrawArc(560, 140, 30, 300, 45);
}

void DrawPieChart() {
    const std::array<std::int16_t, 6> bounds = {0, 110, 190, 250, 320, 360};
    const std::uint32_t colours[] = {Crimson, Gold, ForestGreen, DodgerBlue, Orchid};
    SetDrawColor(Black);
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        SetFillMode(1, colours[i]);
        PaintPieSlice(110, 330, bounds[i], bounds[i + 1], 80, 80);
    }
}

void DrawHatchedShapes() {
    SetDrawColor(White);
    const std::uint32_t colours[] = {Tomato, Chartreuse, Turquoise, Gold, HotPink, LightSkyBlue};
    for (std::uint16_t mode = 2; mode <= 7; ++mode) {
        SetFillMode(mode, colours[mode - 2]);
        const auto x = static_cast<std::int16_t>(230 + 62 * (mode - 2));
        if (mode % 2 == 0) {
            PaintEllipse(static_cast<std::int16_t>(x + 25), 280, 26, 26);
        } else {
            const std::array<Point, 3> triangle{{{x, 306}, {static_cast<std::int16_t>(x + 50), 306},
                                                 {static_cast<std::int16_t>(x + 25), 254}}};
            PaintPolygon(triangle);
        }
    }
}

void DrawTextFaces() {
    const struct {
        std::uint16_t font;
        const char* text;
        std::uint32_t colour;
    } faces[] = {{2, "Times New Roman, 22 pixels", Wheat},
                 {3 | (1 << 12), "Arial, italic", LightGreen},
                 {0 | (1 << 8), "Courier New, underlined", LightBlue}};
    for (std::size_t i = 0; i < 3; ++i) {
        SetDrawColor(faces[i].colour);
        SetTextFont(faces[i].font, 0, 22);
        WriteTextAt(230, static_cast<std::int16_t>(335 + 30 * i), faces[i].text);
    }
    SetDrawColor(Salmon);
    SetTextFont(3, 90, 20);
    WriteTextAt(600, 460, "written upwards");
}

void DrawPicture() {
    ClearGraphics();
    DrawTitle();
    DrawLineStyles();
    DrawCircles();
    DrawPieChart();
    DrawHatchedShapes();
    DrawTextFaces();
}

}  // namespace

int main(int argc, char** argv) {
    return examples::ShowOrSaveStillPicture("showcase", "Showcase", DrawPicture, argc, argv);
}

// LineTo and Polyline: which pixels a line lights, dash patterns, wide pens,
// clipping and huge coordinates, and the calls' refusals.
#include <climits>
#include <string>
#include <vector>

#include "drawing_pictures.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::Picture;
using testing::Rows;
using testing::ScopedPen;
using testing::SurfaceCanvas;

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    ASSERT_EQ(MoveToEx(dc, x0, y0, nullptr), TRUE);
    ASSERT_EQ(LineTo(dc, x1, y1), TRUE);
}

TEST(LineTo, StopsBeforeTheEndPointAndMovesThere) {
    DibCanvas canvas(8, 3, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    Line(canvas.dc(), 1, 1, 6, 1);
    EXPECT_EQ(Picture(canvas, 8, 3), Rows({"........", ".11111..", "........"}));
    POINT position{};
    ASSERT_EQ(GetCurrentPositionEx(canvas.dc(), &position), TRUE);
    EXPECT_EQ(position.x, 6);
    EXPECT_EQ(position.y, 1);

    EXPECT_EQ(LineTo(canvas.dc(), 6, 1), TRUE);  // no length: nothing to draw
    EXPECT_EQ(Picture(canvas, 8, 3), Rows({"........", ".11111..", "........"}));
    EXPECT_EQ(LineTo(canvas.dc(), 6, 0), TRUE);  // from where the last one ended
    EXPECT_EQ(Picture(canvas, 8, 3), Rows({"........", ".111111.", "........"}));
}

TEST(LineTo, FortyFiveDegreesLightsOnePixelPerRow) {
    DibCanvas canvas(6, 6, 8);
    {
        ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(1));
        Line(canvas.dc(), 0, 0, 6, 6);
    }
    {
        ScopedPen pen(canvas.dc(), PS_SOLID, 0, PALETTEINDEX(2));
        Line(canvas.dc(), 5, 0, -1, 6);
    }
    EXPECT_EQ(Picture(canvas, 6, 6), Rows({"1....2", ".1..2.", "..12..", "..21..", ".2..1.", "2....1"}));
}

TEST(LineTo, ASteepLineLightsOnePixelPerRow) {
    DibCanvas canvas(8, 12, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    Line(canvas.dc(), 0, 0, 3, 11);
    Line(canvas.dc(), 7, 11, 5, 0);
    for (int y = 0; y < 12; ++y) {
        int left = 0;
        int right = 0;
        for (int x = 0; x < 8; ++x) (x < 4 ? left : right) += testing::IndexAt(canvas, 8, x, y) == 1;
        EXPECT_EQ(left, y < 11 ? 1 : 0) << "row " << y << " of the line going down";
        EXPECT_EQ(right, y > 0 ? 1 : 0) << "row " << y << " of the line going up";
    }
}

// Exactly half-way between two rows the pixel goes to the upper one, in
// both directions of travel.
TEST(LineTo, TiesGoToTheSmallerCoordinate) {
    DibCanvas forward(5, 3, 8);
    DibCanvas backward(5, 3, 8);
    ScopedPen one(forward.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    ScopedPen two(backward.dc(), PS_SOLID, 1, PALETTEINDEX(2));
    Line(forward.dc(), 0, 0, 4, 2);
    Line(backward.dc(), 4, 2, 0, 0);
    EXPECT_EQ(Picture(forward, 5, 3), Rows({"11...", "..11.", "....."}));
    EXPECT_EQ(Picture(backward, 5, 3), Rows({".2...", "..22.", "....2"}));
}

TEST(LineTo, ALineAndItsReverseCoverTheSamePixels) {
    struct Segment {
        int x0, y0, x1, y1;
    };
    const Segment segments[] = {{0, 0, 19, 7},  {3, 17, 16, 2}, {2, 2, 4, 11}, {18, 1, 1, 6},
                                {5, 5, 15, 10}, {0, 10, 19, 10}, {7, 0, 7, 19}, {1, 18, 18, 1},
                                {0, 3, 19, 4},  {12, 19, 11, 0}, {6, 6, 7, 7},  {2, 9, 17, 14}};
    for (const Segment& s : segments) {
        DibCanvas forward(20, 20, 8);
        DibCanvas backward(20, 20, 8);
        ScopedPen one(forward.dc(), PS_SOLID, 1, PALETTEINDEX(1));
        ScopedPen two(backward.dc(), PS_SOLID, 1, PALETTEINDEX(1));
        Line(forward.dc(), s.x0, s.y0, s.x1, s.y1);
        Line(backward.dc(), s.x1, s.y1, s.x0, s.y0);
        // Each leaves out its own end, which is the other's start.
        EXPECT_EQ(testing::IndexAt(forward, 20, s.x1, s.y1), 0u);
        EXPECT_EQ(testing::IndexAt(backward, 20, s.x0, s.y0), 0u);
        SetPixelV(forward.dc(), s.x1, s.y1, PALETTEINDEX(1));
        SetPixelV(backward.dc(), s.x0, s.y0, PALETTEINDEX(1));
        EXPECT_EQ(Picture(forward, 20, 20), Picture(backward, 20, 20))
            << "(" << s.x0 << "," << s.y0 << ")-(" << s.x1 << "," << s.y1 << ")";
    }
}

TEST(Polyline, SharedVerticesAreDrawnOnceAndXorTwiceRestores) {
    DibCanvas canvas(8, 7, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(3));
    SetROP2(canvas.dc(), R2_XORPEN);
    const POINT square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}, {1, 1}};
    ASSERT_EQ(Polyline(canvas.dc(), square, 5), TRUE);
    EXPECT_EQ(Picture(canvas, 8, 7),
              Rows({"........", ".33333..", ".3...3..", ".3...3..", ".3...3..", ".33333..", "........"}));
    ASSERT_EQ(Polyline(canvas.dc(), square, 5), TRUE);
    EXPECT_EQ(Picture(canvas, 8, 7),
              Rows({"........", "........", "........", "........", "........", "........", "........"}));
}

TEST(Polyline, LeavesTheLastPointAndTheCurrentPositionAlone) {
    DibCanvas canvas(8, 3, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    MoveToEx(canvas.dc(), 7, 2, nullptr);
    const POINT path[] = {{0, 0}, {3, 0}, {3, 2}};
    ASSERT_EQ(Polyline(canvas.dc(), path, 3), TRUE);
    EXPECT_EQ(Picture(canvas, 8, 3), Rows({"1111....", "...1....", "........"}));
    POINT position{};
    GetCurrentPositionEx(canvas.dc(), &position);
    EXPECT_EQ(position.x, 7);
    EXPECT_EQ(position.y, 2);
}

// ---- Dashes ---------------------------------------------------------------

struct DashCase {
    UINT style;
    const char* name;
    const char* opaque;  // a 50-pixel line over 52 pixels of index 5, gaps in index 2
};

const DashCase kDashes[] = {
    {PS_DASH, "dash", "111111111111111111222222111111111111111111222222" "11" "55"},
    {PS_DOT, "dot", "111222111222111222111222111222111222111222111222" "11" "55"},
    {PS_DASHDOT, "dashdot", "111111111222222111222222111111111222222111222222" "11" "55"},
    {PS_DASHDOTDOT, "dashdotdot", "111111111222111222111222111111111222111222111222" "11" "55"},
    {PS_SOLID, "solid", "111111111111111111111111111111111111111111111111" "11" "55"},
};

class Dashes : public ::testing::TestWithParam<DashCase> {};

std::string DashLine(const DashCase& dash, int mode) {
    DibCanvas canvas(52, 1, 8);
    Fill(canvas.dc(), 0, 0, 52, 1, PALETTEINDEX(5));
    SetBkColor(canvas.dc(), PALETTEINDEX(2));
    SetBkMode(canvas.dc(), mode);
    ScopedPen pen(canvas.dc(), dash.style, 1, PALETTEINDEX(1));
    Line(canvas.dc(), 0, 0, 50, 0);
    return Picture(canvas, 52, 1);
}

TEST_P(Dashes, GapsTakeTheBackgroundWhenOpaque) {
    EXPECT_EQ(DashLine(GetParam(), OPAQUE), std::string(GetParam().opaque) + "\n") << GetParam().name;
}

TEST_P(Dashes, GapsAreLeftAloneWhenTransparent) {
    std::string expected = GetParam().opaque;
    for (char& c : expected.replace(50, 2, "")) c = c == '2' ? '5' : c;
    EXPECT_EQ(DashLine(GetParam(), TRANSPARENT), expected + "55\n") << GetParam().name;
}

TEST_P(Dashes, ThePatternRunsOnAlongAPolyline) {
    DibCanvas canvas(52, 1, 8);
    Fill(canvas.dc(), 0, 0, 52, 1, PALETTEINDEX(5));
    SetBkColor(canvas.dc(), PALETTEINDEX(2));
    ScopedPen pen(canvas.dc(), GetParam().style, 1, PALETTEINDEX(1));
    const POINT path[] = {{0, 0}, {7, 0}, {30, 0}, {31, 0}, {50, 0}};
    ASSERT_EQ(Polyline(canvas.dc(), path, 5), TRUE);
    EXPECT_EQ(Picture(canvas, 52, 1), std::string(GetParam().opaque) + "\n") << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Styles, Dashes, ::testing::ValuesIn(kDashes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Dashes, TurnACornerWithoutRestarting) {
    DibCanvas canvas(12, 12, 8);
    SetBkMode(canvas.dc(), TRANSPARENT);
    ScopedPen pen(canvas.dc(), PS_DOT, 1, PALETTEINDEX(1));
    const POINT path[] = {{0, 0}, {10, 0}, {10, 10}};
    ASSERT_EQ(Polyline(canvas.dc(), path, 3), TRUE);
    EXPECT_EQ(Picture(canvas, 12, 12), Rows({"111...111...",
                                             "............",
                                             "..........1.",
                                             "..........1.",
                                             "..........1.",
                                             "............",
                                             "............",
                                             "............",
                                             "..........1.",
                                             "..........1.",
                                             "............",
                                             "............"}));
}

TEST(Dashes, OpaqueGapsTakeTheRasterOperation) {
    DibCanvas canvas(26, 1, 8);
    Fill(canvas.dc(), 0, 0, 26, 1, PALETTEINDEX(4));
    SetBkColor(canvas.dc(), PALETTEINDEX(2));
    SetROP2(canvas.dc(), R2_XORPEN);
    ScopedPen pen(canvas.dc(), PS_DASH, 1, PALETTEINDEX(1));
    Line(canvas.dc(), 0, 0, 26, 0);
    // Dashes 4 ^ 1 = 5, gaps 4 ^ 2 = 6.
    EXPECT_EQ(Picture(canvas, 26, 1), "555555555555555555666666" "55\n");
}

// ---- Wide pens --------------------------------------------------------------

TEST(WidePen, ThreePixelsCoverThreeRows) {
    DibCanvas canvas(13, 7, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 3, PALETTEINDEX(1));
    Line(canvas.dc(), 3, 3, 9, 3);
    EXPECT_EQ(Picture(canvas, 13, 7), Rows({".............",
                                            ".............",
                                            "..111111111..",
                                            "..111111111..",
                                            "..111111111..",
                                            ".............",
                                            "............."}));
}

TEST(WidePen, ThreePixelsCoverThreeColumns) {
    DibCanvas canvas(7, 9, 8);
    ScopedPen pen(canvas.dc(), PS_DASH, 3, PALETTEINDEX(1));  // wide pens draw solid
    Line(canvas.dc(), 3, 2, 3, 6);
    EXPECT_EQ(Picture(canvas, 7, 9),
              Rows({".......", "..111..", "..111..", "..111..", "..111..", "..111..", "..111..", "..111..", "......."}));
}

TEST(WidePen, FivePixelsHaveRoundEnds) {
    DibCanvas canvas(18, 11, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 5, PALETTEINDEX(1));
    Line(canvas.dc(), 5, 5, 12, 5);
    EXPECT_EQ(Picture(canvas, 18, 11), Rows({"..................",
                                             "..................",
                                             "..................",
                                             "....1111111111....",
                                             "...111111111111...",
                                             "...111111111111...",
                                             "...111111111111...",
                                             "....1111111111....",
                                             "..................",
                                             "..................",
                                             ".................."}));
}

TEST(WidePen, AnEvenWidthCoversThatManyRows) {
    DibCanvas canvas(10, 5, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 2, PALETTEINDEX(1));
    Line(canvas.dc(), 2, 2, 6, 2);
    EXPECT_EQ(Picture(canvas, 10, 5), Rows({"..........", ".111111...", ".111111...", "..........", ".........."}));
}

TEST(WidePen, XorTwiceRestoresAPolylineWithSharpTurns) {
    const POINT path[] = {{2, 2}, {17, 5}, {4, 16}, {15, 15}, {3, 3}};
    DibCanvas copied(20, 20, 8);
    DibCanvas xored(20, 20, 8);
    {
        ScopedPen pen(copied.dc(), PS_SOLID, 4, PALETTEINDEX(3));
        ASSERT_EQ(Polyline(copied.dc(), path, 5), TRUE);
    }
    ScopedPen pen(xored.dc(), PS_SOLID, 4, PALETTEINDEX(3));
    SetROP2(xored.dc(), R2_XORPEN);
    ASSERT_EQ(Polyline(xored.dc(), path, 5), TRUE);
    EXPECT_EQ(Picture(xored, 20, 20), Picture(copied, 20, 20)) << "every covered pixel XORed exactly once";
    ASSERT_EQ(Polyline(xored.dc(), path, 5), TRUE);
    DibCanvas blank(20, 20, 8);
    EXPECT_EQ(Picture(xored, 20, 20), Picture(blank, 20, 20));
}

TEST(WidePen, InsideFrameDrawsLikeSolidOnLines) {
    DibCanvas solid(13, 7, 8);
    DibCanvas frame(13, 7, 8);
    {
        ScopedPen pen(solid.dc(), PS_SOLID, 3, PALETTEINDEX(1));
        Line(solid.dc(), 2, 1, 10, 5);
    }
    ScopedPen pen(frame.dc(), PS_INSIDEFRAME, 3, PALETTEINDEX(1));
    Line(frame.dc(), 2, 1, 10, 5);
    EXPECT_EQ(Picture(frame, 13, 7), Picture(solid, 13, 7));
}

TEST(NullPen, DrawsNothingButStillMovesThePosition) {
    DibCanvas canvas(8, 2, 8);
    ScopedPen pen(canvas.dc(), PS_NULL, 1, PALETTEINDEX(1));
    Line(canvas.dc(), 0, 0, 7, 1);
    const POINT path[] = {{0, 1}, {7, 1}};
    EXPECT_EQ(Polyline(canvas.dc(), path, 2), TRUE);
    EXPECT_EQ(Picture(canvas, 8, 2), Rows({"........", "........"}));
    POINT position{};
    GetCurrentPositionEx(canvas.dc(), &position);
    EXPECT_EQ(position.x, 7);
}

// ---- Clipping ---------------------------------------------------------------

TEST(LineClipping, KeepsToTheClipRegion) {
    DibCanvas canvas(8, 8, 8);
    HRGN region = CreateRectRgn(2, 2, 6, 6);
    SelectClipRgn(canvas.dc(), region);
    DeleteObject(region);
    ScopedPen pen(canvas.dc(), PS_SOLID, 3, PALETTEINDEX(2));
    Line(canvas.dc(), 0, 4, 8, 4);
    {
        ScopedPen thin(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(1));
        Line(canvas.dc(), 0, 0, 8, 8);
    }
    EXPECT_EQ(Picture(canvas, 8, 8),
              Rows({"........", "........", "..1.....", "..2122..", "..2212..", "..2221..", "........", "........"}));
}

std::string Diagonal(int size) {
    std::string out;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) out += x == y ? '1' : '.';
        out += '\n';
    }
    return out;
}

// A line four billion pixels long that crosses a 16 x 16 bitmap is clipped
// before it is stepped: only the visible steps are taken.
TEST(LineClipping, HugeCoordinatesDrawOnlyWhatShows) {
    DibCanvas canvas(16, 16, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    Line(canvas.dc(), -2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(Picture(canvas, 16, 16), Diagonal(16));
    DibCanvas reverse(16, 16, 8);
    ScopedPen reversePen(reverse.dc(), PS_DOT, 1, PALETTEINDEX(1));
    SetBkMode(reverse.dc(), TRANSPARENT);
    Line(reverse.dc(), INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    // The dots keep their place along the whole line: step k of the line is
    // pixel (INT_MAX - k) on both axes, on when k mod 6 < 3.
    std::string expected;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const long long step = static_cast<long long>(INT_MAX) - x;
            expected += x == y && step % 6 < 3 ? '1' : '.';
        }
        expected += '\n';
    }
    EXPECT_EQ(Picture(reverse, 16, 16), expected);
}

// From INT_MIN to INT_MAX the line rises one row over 2^32 - 1 columns; it
// passes the half-way height just before column 0, so every visible pixel is
// on row 1. Getting that right needs the products past 64 bits exactly.
TEST(LineClipping, TheFullIntRangeRoundsExactly) {
    DibCanvas canvas(16, 2, 8);
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    Line(canvas.dc(), INT_MIN, 0, INT_MAX, 1);
    EXPECT_EQ(Picture(canvas, 16, 2), Rows({"................", "1111111111111111"}));
    DibCanvas reverse(16, 2, 8);
    ScopedPen reversePen(reverse.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    Line(reverse.dc(), INT_MAX, 1, INT_MIN, 0);
    EXPECT_EQ(Picture(reverse, 16, 2), Picture(canvas, 16, 2));
    DibCanvas vertical(4, 3, 8);
    ScopedPen verticalPen(vertical.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    Line(vertical.dc(), 2, INT_MIN, 2, INT_MAX);
    EXPECT_EQ(Picture(vertical, 4, 3), Rows({"..1.", "..1.", "..1."}));
}

TEST(LineClipping, HugeWidePensAndLongPolylinesStayInBounds) {
    DibCanvas canvas(16, 16, 8);
    {
        ScopedPen pen(canvas.dc(), PS_SOLID, 3, PALETTEINDEX(1));
        Line(canvas.dc(), -2000000000, 5, 2000000000, 5);
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(testing::IndexAt(canvas, 16, x, y), y >= 4 && y <= 6 ? 1u : 0u) << x << "," << y;
    {
        ScopedPen pen(canvas.dc(), PS_SOLID, INT_MIN, PALETTEINDEX(2));  // the widest pen there is
        Line(canvas.dc(), INT_MAX, INT_MIN, INT_MIN, INT_MAX);
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(testing::IndexAt(canvas, 16, x, y), 2u) << x << "," << y;

    // 10,000 segments from one end of the int range to the other, most of
    // them crossing the bitmap.
    std::vector<POINT> zigzag;
    for (int i = 0; i < 10000; ++i) zigzag.push_back(POINT{i % 2 ? INT_MAX : INT_MIN, (i * 7) % 40 - 12});
    const auto count = [&](unsigned index) {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) n += testing::IndexAt(canvas, 16, x, y) == index;
        return n;
    };
    {
        ScopedPen thin(canvas.dc(), PS_DASHDOT, 1, PALETTEINDEX(3));
        EXPECT_EQ(Polyline(canvas.dc(), zigzag.data(), static_cast<int>(zigzag.size())), TRUE);
    }
    EXPECT_GT(count(3), 0);
    ScopedPen wide(canvas.dc(), PS_SOLID, 7, PALETTEINDEX(4));
    EXPECT_EQ(Polyline(canvas.dc(), zigzag.data(), static_cast<int>(zigzag.size())), TRUE);
    EXPECT_EQ(count(4), 16 * 16);
}

// ---- Targets and refusals ---------------------------------------------------

TEST(LineTo, DrawsOnAWindowSurfaceUnderTheRasterOperation) {
    SurfaceCanvas window(8, 3);
    const std::uint64_t before = window.surface().Version();
    {
        ScopedPen pen(window.dc(), PS_SOLID, 1, RGB(255, 0, 0));
        Line(window.dc(), 0, 1, 8, 1);
    }
    EXPECT_GT(window.surface().Version(), before);
    SetROP2(window.dc(), R2_XORPEN);
    ScopedPen pen(window.dc(), PS_SOLID, 1, RGB(0x10, 0x20, 0xFF));
    Line(window.dc(), 2, 1, 2, 3);
    EXPECT_EQ(window.Pixel(0, 1), 0xFF0000u);
    EXPECT_EQ(window.Pixel(2, 1), 0xFF0000u ^ 0x1020FFu);
    EXPECT_EQ(window.Pixel(2, 2), 0x1020FFu);
    EXPECT_EQ(window.Pixel(2, 0), 0u);
}

TEST(LineTo, TheScreenDcAcceptsLinesAndKeepsNone) {
    HDC screen = detail::CreateScreenDC(display::ScreenInfo{640, 480, 32});
    EXPECT_EQ(LineTo(screen, 10, 10), TRUE);
    POINT position{};
    GetCurrentPositionEx(screen, &position);
    EXPECT_EQ(position.x, 10);
    const POINT path[] = {{0, 0}, {5, 5}};
    EXPECT_EQ(Polyline(screen, path, 2), TRUE);
    detail::DestroySurfaceDC(screen);
}

TEST(LineRefusals, BadHandlesAndTooFewPoints) {
    const POINT path[] = {{0, 0}, {5, 5}};
    EXPECT_EQ(LineTo(nullptr, 1, 1), FALSE);
    EXPECT_EQ(Polyline(nullptr, path, 2), FALSE);
    HDC foreign = testing::ForeignHandle<HDC>(detail::HandleTag::User);
    EXPECT_EQ(LineTo(foreign, 1, 1), FALSE);
    EXPECT_EQ(Polyline(foreign, path, 2), FALSE);
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_EQ(LineTo(stale, 1, 1), FALSE);
    EXPECT_EQ(Polyline(stale, path, 2), FALSE);

    DibCanvas canvas(4, 4, 8);
    EXPECT_EQ(Polyline(canvas.dc(), path, 1), FALSE);
    EXPECT_EQ(Polyline(canvas.dc(), path, 0), FALSE);
    EXPECT_EQ(Polyline(canvas.dc(), path, -3), FALSE);
    EXPECT_EQ(Polyline(canvas.dc(), nullptr, 2), FALSE);
    EXPECT_EQ(Picture(canvas, 4, 4), Rows({"....", "....", "....", "...."}));
}

}  // namespace
}  // namespace lumenbox::win

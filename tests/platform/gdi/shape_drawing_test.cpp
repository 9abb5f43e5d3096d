// Rectangle, Ellipse, Arc, Pie and Polygon: the pixels of outlines and
// interiors, pens and brushes, fill modes, clipping and huge boxes.
#include <climits>
#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "drawing_pictures.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::IndexAt;
using testing::Picture;
using testing::Rows;
using testing::ScopedBrush;
using testing::ScopedPen;
using testing::SolidBrush;

// A canvas with a pen of index 1 and a brush of index 2, or no pen or brush
// when asked.
struct ShapeCanvas {
    ShapeCanvas(int width, int height, UINT penStyle = PS_SOLID, int penWidth = 1)
        : canvas(width, height, 8),
          pen(canvas.dc(), penStyle, penWidth, PALETTEINDEX(1)),
          brush(canvas.dc(), SolidBrush(PALETTEINDEX(2))),
          width(width),
          height(height) {}
    HDC dc() const { return canvas.dc(); }
    std::string Drawn() const { return Picture(canvas, width, height); }

    DibCanvas canvas;
    ScopedPen pen;
    ScopedBrush brush;
    int width;
    int height;
};

// ---- Rectangle ---------------------------------------------------------------

TEST(Rectangle, OutlinesTheBoxWithoutItsRightAndBottomEdges) {
    ShapeCanvas shape(8, 6);
    ASSERT_EQ(Rectangle(shape.dc(), 1, 1, 7, 5), TRUE);
    EXPECT_EQ(shape.Drawn(), Rows({"........", ".111111.", ".122221.", ".122221.", ".111111.", "........"}));
}

TEST(Rectangle, SwapsReversedCorners) {
    ShapeCanvas forward(8, 6);
    ShapeCanvas reversed(8, 6);
    Rectangle(forward.dc(), 1, 1, 7, 5);
    Rectangle(reversed.dc(), 7, 5, 1, 1);
    EXPECT_EQ(reversed.Drawn(), forward.Drawn());
    ShapeCanvas mixed(8, 6);
    Rectangle(mixed.dc(), 7, 1, 1, 5);
    EXPECT_EQ(mixed.Drawn(), forward.Drawn());
}

TEST(Rectangle, WithoutAPenFillsOnePixelLessEachWay) {
    ShapeCanvas shape(8, 6, PS_NULL);
    Rectangle(shape.dc(), 1, 1, 7, 5);
    EXPECT_EQ(shape.Drawn(), Rows({"........", ".22222..", ".22222..", ".22222..", "........", "........"}));
}

const char* const kWideFrame[] = {
    "..............", "..............", "..1111111111..", "..1111111111..", "..1111111111..", "..1112222111..",
    "..1112222111..", "..1111111111..", "..1111111111..", "..1111111111..", "..............", "..............",
};

std::string WideFrame() {
    std::string out;
    for (const char* row : kWideFrame) out += std::string(row) + "\n";
    return out;
}

TEST(Rectangle, AWidePenIsCentredOnTheOutermostPixels) {
    ShapeCanvas shape(14, 12, PS_SOLID, 3);
    Rectangle(shape.dc(), 3, 3, 11, 9);
    EXPECT_EQ(shape.Drawn(), WideFrame());
}

TEST(Rectangle, AnInsideFramePenStaysInsideTheBox) {
    ShapeCanvas shape(14, 12, PS_INSIDEFRAME, 3);
    Rectangle(shape.dc(), 2, 2, 12, 10);
    EXPECT_EQ(shape.Drawn(), WideFrame());
}

TEST(Rectangle, ADashedFrameRunsItsPatternRoundTheCorners) {
    ShapeCanvas shape(8, 6, PS_DOT);
    SetBkMode(shape.dc(), TRANSPARENT);
    Rectangle(shape.dc(), 0, 0, 8, 6);
    // From the top right corner leftwards, down, right and up: on 3, off 3.
    EXPECT_EQ(shape.Drawn(), Rows({"11...111", "1222222.", ".222222.", ".222222.", ".2222221", "111...11"}));
}

TEST(Rectangle, XorTwiceRestoresEvenAOnePixelBox) {
    for (const RECT box : {RECT{1, 1, 7, 5}, RECT{2, 0, 3, 6}, RECT{0, 3, 8, 4}, RECT{4, 4, 5, 5}}) {
        DibCanvas canvas(8, 6, 8);
        ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(3));
        SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
        SetROP2(canvas.dc(), R2_XORPEN);
        Rectangle(canvas.dc(), box.left, box.top, box.right, box.bottom);
        int lit = 0;
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) lit += IndexAt(canvas, 8, x, y) == 3;
        const int w = box.right - box.left;
        const int h = box.bottom - box.top;
        EXPECT_EQ(lit, w == 1 || h == 1 ? w * h : 2 * (w + h) - 4) << "each frame pixel exactly once";
        Rectangle(canvas.dc(), box.left, box.top, box.right, box.bottom);
        EXPECT_EQ(Picture(canvas, 8, 6), Rows({"........", "........", "........", "........", "........", "........"}));
    }
}

// ---- Ellipse -------------------------------------------------------------------

TEST(Ellipse, ElevenPixelsReachColumnsAndRowsZeroToTen) {
    ShapeCanvas shape(11, 11);
    ASSERT_EQ(Ellipse(shape.dc(), 0, 0, 11, 11), TRUE);
    EXPECT_EQ(shape.Drawn(), Rows({"...11111...",
                                   "..1222221..",
                                   ".122222221.",
                                   "12222222221",
                                   "12222222221",
                                   "12222222221",
                                   "12222222221",
                                   "12222222221",
                                   ".122222221.",
                                   "..1222221..",
                                   "...11111..."}));
}

TEST(Ellipse, EvenSidesReachEveryEdgeToo) {
    ShapeCanvas shape(10, 6);
    Ellipse(shape.dc(), 0, 0, 10, 6);
    EXPECT_EQ(shape.Drawn(), Rows({"..111111..", "1122222211", "1222222221", "1222222221", "1122222211", "..111111.."}));
}

TEST(Ellipse, TinyAndFlatBoxes) {
    ShapeCanvas one(3, 3);
    Ellipse(one.dc(), 1, 1, 2, 2);
    EXPECT_EQ(one.Drawn(), Rows({"...", ".1.", "..."}));
    ShapeCanvas flat(14, 3);
    Ellipse(flat.dc(), 1, 1, 13, 3);  // two rows high: two full rows
    EXPECT_EQ(flat.Drawn(), Rows({"..............", ".111111111111.", ".111111111111."}));
    ShapeCanvas empty(4, 4);
    EXPECT_EQ(Ellipse(empty.dc(), 1, 1, 1, 3), TRUE);
    EXPECT_EQ(empty.Drawn(), Rows({"....", "....", "....", "...."}));
}

TEST(Ellipse, WithoutAPenFillsTheBoxOnePixelSmaller) {
    ShapeCanvas shape(11, 11, PS_NULL);
    Ellipse(shape.dc(), 0, 0, 11, 11);
    EXPECT_EQ(shape.Drawn(), Rows({"..222222...",
                                   ".22222222..",
                                   "2222222222.",
                                   "2222222222.",
                                   "2222222222.",
                                   "2222222222.",
                                   "2222222222.",
                                   "2222222222.",
                                   ".22222222..",
                                   "..222222...",
                                   "..........."}));
}

TEST(Ellipse, AWidePenIsABandAroundTheOutline) {
    ShapeCanvas shape(13, 13, PS_SOLID, 3);
    Ellipse(shape.dc(), 1, 1, 12, 12);
    EXPECT_EQ(shape.Drawn(), Rows({"....11111....",
                                   "..111111111..",
                                   ".11111111111.",
                                   ".11112221111.",
                                   "1111222221111",
                                   "1112222222111",
                                   "1112222222111",
                                   "1112222222111",
                                   "1111222221111",
                                   ".11112221111.",
                                   ".11111111111.",
                                   "..111111111..",
                                   "....11111...."}));
    ShapeCanvas inside(13, 13, PS_INSIDEFRAME, 3);
    Ellipse(inside.dc(), 0, 0, 13, 13);
    EXPECT_EQ(inside.Drawn(), shape.Drawn()) << "an inside frame keeps to the box";
}

TEST(Ellipse, TheBrushKeepsItsHatchAndANullBrushLeavesTheInside) {
    DibCanvas canvas(12, 12, 8);
    Fill(canvas.dc(), 0, 0, 12, 12, PALETTEINDEX(5));
    ScopedPen pen(canvas.dc(), PS_NULL, 1, 0);
    SetBkColor(canvas.dc(), PALETTEINDEX(6));
    {
        ScopedBrush hatch(canvas.dc(), testing::HatchBrush(HS_HORIZONTAL, PALETTEINDEX(7)));
        Rectangle(canvas.dc(), 1, 1, 12, 12);  // fills [1, 11) x [1, 11)
    }
    // HS_HORIZONTAL lines fall on rows 3 and 11 of the device, 8 apart.
    EXPECT_EQ(Picture(canvas, 12, 12), Rows({"555555555555",
                                             "566666666665",
                                             "566666666665",
                                             "577777777775",
                                             "566666666665",
                                             "566666666665",
                                             "566666666665",
                                             "566666666665",
                                             "566666666665",
                                             "566666666665",
                                             "566666666665",
                                             "555555555555"}));
    SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
    ScopedPen outline(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    Ellipse(canvas.dc(), 0, 0, 12, 12);
    EXPECT_EQ(IndexAt(canvas, 12, 5, 5), 6u);
    EXPECT_EQ(IndexAt(canvas, 12, 5, 3), 7u);
}

// What a closed outline must be, for boxes of every shape: symmetric both
// ways, touching all four sides, one 8-connected curve, each pixel drawn
// once, with the brush inside it and never next to the outside.
class EllipseOutline : public ::testing::TestWithParam<std::pair<int, int>> {};

std::string Mirrored(const std::string& picture, int width, int height, bool across) {
    std::string out = picture;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int from = across ? (y * (width + 1) + width - 1 - x) : ((height - 1 - y) * (width + 1) + x);
            out[static_cast<std::size_t>(y * (width + 1) + x)] = picture[static_cast<std::size_t>(from)];
        }
    return out;
}

TEST_P(EllipseOutline, IsClosedSymmetricAndDrawnOnce) {
    const auto [w, h] = GetParam();
    const int cw = w + 2;
    const int ch = h + 2;
    ShapeCanvas shape(cw, ch);
    Ellipse(shape.dc(), 1, 1, w + 1, h + 1);
    const std::string drawn = shape.Drawn();
    EXPECT_EQ(Mirrored(drawn, cw, ch, true), drawn) << "left-right symmetric\n" << drawn;
    EXPECT_EQ(Mirrored(drawn, cw, ch, false), drawn) << "top-bottom symmetric\n" << drawn;

    const auto at = [&](int x, int y) -> char {
        if (x < 0 || y < 0 || x >= cw || y >= ch) return '.';
        return drawn[static_cast<std::size_t>(y * (cw + 1) + x)];
    };
    bool left = false, right = false, top = false, bottom = false;
    std::vector<std::pair<int, int>> outline;
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x) {
            if (at(x, y) == '1') {
                outline.emplace_back(x, y);
                left |= x == 1;
                right |= x == w;
                top |= y == 1;
                bottom |= y == h;
            }
            if (at(x, y) == '2') {
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    EXPECT_NE(at(x + dx, y + dy), '.') << "interior pixel (" << x << "," << y << ") touches the outside";
                }
            }
        }
    EXPECT_TRUE(left && right && top && bottom) << "the outline touches all four sides\n" << drawn;

    // One 8-connected piece.
    std::set<std::pair<int, int>> unseen(outline.begin(), outline.end());
    std::vector<std::pair<int, int>> stack{outline.front()};
    unseen.erase(outline.front());
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (unseen.erase({x + dx, y + dy})) stack.emplace_back(x + dx, y + dy);
    }
    EXPECT_TRUE(unseen.empty()) << unseen.size() << " outline pixels cut off\n" << drawn;

    DibCanvas xored(cw, ch, 8);
    ScopedPen pen(xored.dc(), PS_SOLID, 1, PALETTEINDEX(1));
    ScopedBrush brush(xored.dc(), SolidBrush(PALETTEINDEX(2)));
    SetROP2(xored.dc(), R2_XORPEN);
    Ellipse(xored.dc(), 1, 1, w + 1, h + 1);
    EXPECT_EQ(Picture(xored, cw, ch), drawn) << "each outline pixel XORed exactly once";
}

INSTANTIATE_TEST_SUITE_P(Boxes, EllipseOutline,
                         ::testing::Values(std::pair{1, 1}, std::pair{2, 2}, std::pair{3, 3}, std::pair{5, 4},
                                           std::pair{16, 16}, std::pair{17, 9}, std::pair{40, 3}, std::pair{41, 2},
                                           std::pair{2, 37}, std::pair{3, 60}, std::pair{150, 40},
                                           std::pair{200, 199}, std::pair{99, 5}));

// A radius of 30000 seen where the curve runs at 45 degrees: the outline
// crosses the canvas as one unbroken 8-connected chain of pixels, each on the
// circle of radius 30000.5 to within a pixel, the brush on its inner side.
TEST(Ellipse, AVeryLargeOneHasNoGaps) {
    const int size = 64;
    ShapeCanvas shape(size, size);
    const int centreX = 32 - 21213;
    const int centreY = 32 + 21213;
    Ellipse(shape.dc(), centreX - 30000, centreY - 30000, centreX + 30001, centreY + 30001);
    int previousFirst = -1;
    int previousLast = -1;
    for (int y = 0; y < size; ++y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < size; ++x) {
            const unsigned index = IndexAt(shape.canvas, size, x, y);
            if (index == 1) {
                if (first < 0) first = x;
                EXPECT_TRUE(last < 0 || last == x - 1) << "row " << y << " has one run of outline";
                last = x;
                const double distance = std::hypot(x - centreX, y - centreY);
                EXPECT_LT(std::fabs(distance - 30000.5), 1.0) << x << "," << y;
            }
            const bool inner = std::hypot(x - centreX, y - centreY) < 30000 - 2;
            const bool outer = std::hypot(x - centreX, y - centreY) > 30000 + 2;
            if (inner) {
                EXPECT_EQ(index, 2u) << x << "," << y;
            }
            if (outer) {
                EXPECT_EQ(index, 0u) << x << "," << y;
            }
        }
        if (first < 0) continue;
        if (previousFirst >= 0) {
            EXPECT_TRUE(first <= previousLast + 1 && last >= previousFirst - 1) << "rows " << y - 1 << " and " << y << " touch";
        }
        previousFirst = first;
        previousLast = last;
    }
}

TEST(Ellipse, HugeBoxesClipBeforeTheyCompute) {
    ShapeCanvas shape(16, 16);
    EXPECT_EQ(Ellipse(shape.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX), TRUE);
    std::string inside;
    for (int y = 0; y < 16; ++y) inside += std::string(16, '2') + "\n";
    EXPECT_EQ(shape.Drawn(), inside) << "deep inside the ellipse: all brush";
    ShapeCanvas wide(16, 16, PS_SOLID, INT_MAX);
    EXPECT_EQ(Ellipse(wide.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX), FALSE) << "too large once grown by the pen";
    EXPECT_EQ(Pie(wide.dc(), -5, -5, 30, 30, INT_MIN, INT_MAX, INT_MAX, INT_MIN), TRUE);
    EXPECT_EQ(IndexAt(wide.canvas, 16, 8, 8), 1u) << "a pen wider than everything covers everything";
}

// ---- Arc and Pie ------------------------------------------------------------

// The outline of Ellipse(0, 0, 11, 11): the reference for the arcs.
const char* const kCircle[] = {"...11111...", "..1.....1..", ".1.......1.", "1.........1", "1.........1",
                               "1.........1", "1.........1", "1.........1", ".1.......1.", "..1.....1..",
                               "...11111..."};

std::string CircleWithout(const std::set<std::pair<int, int>>& removed) {
    std::string out;
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) out += removed.count({x, y}) ? '.' : kCircle[y][x];
        out += '\n';
    }
    return out;
}

TEST(Arc, RunsCounterClockwiseFromTheStartRadial) {
    ShapeCanvas quarter(11, 11);
    // From the radial pointing right to the one pointing up.
    ASSERT_EQ(Arc(quarter.dc(), 0, 0, 11, 11, 11, 5, 5, 0), TRUE);
    EXPECT_EQ(quarter.Drawn(), Rows({".....111...",
                                     "........1..",
                                     ".........1.",
                                     "..........1",
                                     "..........1",
                                     "..........1",
                                     "...........",
                                     "...........",
                                     "...........",
                                     "...........",
                                     "..........."}));
    // From up round to the right: three quarters, both radials included.
    ShapeCanvas rest(11, 11);
    Arc(rest.dc(), 0, 0, 11, 11, 5, 0, 11, 5);
    EXPECT_EQ(rest.Drawn(), CircleWithout({{6, 0}, {7, 0}, {8, 1}, {9, 2}, {10, 3}, {10, 4}}));
}

TEST(Arc, RadialsPointingTheSameWayDrawTheWholeEllipse) {
    ShapeCanvas shape(11, 11);
    Arc(shape.dc(), 0, 0, 11, 11, 7, 3, 9, 1);  // both up and to the right at 45 degrees
    EXPECT_EQ(shape.Drawn(), CircleWithout({}));
}

TEST(Arc, TheLowerLeftQuarterMirrorsTheUpperRight) {
    ShapeCanvas shape(11, 11);
    Arc(shape.dc(), 0, 0, 11, 11, -3, 5, 5, 20);  // from left to down
    EXPECT_EQ(shape.Drawn(), Rows({"...........",
                                   "...........",
                                   "...........",
                                   "...........",
                                   "...........",
                                   "1..........",
                                   "1..........",
                                   "1..........",
                                   ".1.........",
                                   "..1........",
                                   "...111....."}));
}

TEST(Pie, AddsTheRadiiAndFillsTheWedge) {
    ShapeCanvas upperRight(11, 11);
    ASSERT_EQ(Pie(upperRight.dc(), 0, 0, 11, 11, 11, 5, 5, 0), TRUE);
    EXPECT_EQ(upperRight.Drawn(), Rows({".....111...",
                                        ".....1221..",
                                        ".....12221.",
                                        ".....122221",
                                        ".....122221",
                                        ".....111111",
                                        "...........",
                                        "...........",
                                        "...........",
                                        "...........",
                                        "..........."}));
    ShapeCanvas lowerLeft(11, 11);
    Pie(lowerLeft.dc(), 0, 0, 11, 11, 0, 5, 5, 10);
    EXPECT_EQ(lowerLeft.Drawn(), Rows({"...........",
                                       "...........",
                                       "...........",
                                       "...........",
                                       "...........",
                                       "111111.....",
                                       "122221.....",
                                       "122221.....",
                                       ".12221.....",
                                       "..1221.....",
                                       "...111....."}));
}

TEST(Pie, AWiderSweepKeepsTheOtherQuarterEmpty) {
    ShapeCanvas shape(11, 11);
    Pie(shape.dc(), 0, 0, 11, 11, 5, 0, 11, 5);  // three quarters
    for (int y = 1; y < 5; ++y)
        for (int x = 6; x < 10; ++x)
            if (kCircle[y][x] == '.') {
                EXPECT_EQ(IndexAt(shape.canvas, 11, x, y), 0u) << x << "," << y;
            }
    EXPECT_EQ(IndexAt(shape.canvas, 11, 3, 7), 2u);
    EXPECT_EQ(IndexAt(shape.canvas, 11, 7, 7), 2u);
    EXPECT_EQ(IndexAt(shape.canvas, 11, 3, 3), 2u);
}

TEST(Pie, WithoutAPenFillsTheWedgeOfTheSmallerEllipse) {
    ShapeCanvas pie(11, 11, PS_NULL);
    Pie(pie.dc(), 0, 0, 11, 11, 11, 5, 5, 0);
    EXPECT_EQ(pie.Drawn(), Rows({".....222...",
                                 ".....2222..",
                                 ".....22222.",
                                 ".....22222.",
                                 ".....22222.",
                                 ".....22222.",
                                 "...........",
                                 "...........",
                                 "...........",
                                 "...........",
                                 "..........."}));
    ShapeCanvas arc(11, 11, PS_NULL);
    EXPECT_EQ(Arc(arc.dc(), 0, 0, 11, 11, 11, 5, 5, 0), TRUE);
    EXPECT_EQ(arc.Drawn(), ShapeCanvas(11, 11).Drawn()) << "an arc without a pen draws nothing";
}

// Dashed outlines run their pattern counter-clockwise: an ellipse from its
// rightmost pixel on the centre row, an arc from its start, a pie on along
// its radii. Dots: 3 on (the pen, 1), 3 off (the background, 3).
struct DottedCanvas : ShapeCanvas {
    DottedCanvas() : ShapeCanvas(11, 11, PS_DOT) { SetBkColor(dc(), PALETTEINDEX(3)); }
};

TEST(DashedCurves, AnEllipseStartsAtAngleZero) {
    DottedCanvas shape;
    SelectObject(shape.dc(), GetStockObject(NULL_BRUSH));
    Ellipse(shape.dc(), 0, 0, 11, 11);
    EXPECT_EQ(shape.Drawn(), Rows({"...31113...",
                                   "..3.....3..",
                                   ".3.......3.",
                                   "1.........1",
                                   "1.........1",
                                   "1.........1",
                                   "3.........3",
                                   "3.........1",
                                   ".3.......1.",
                                   "..1.....1..",
                                   "...11333..."}));
}

TEST(DashedCurves, AnArcStartsAtItsStartRadial) {
    DottedCanvas shape;
    Arc(shape.dc(), 0, 0, 11, 11, 5, 0, 0, 5);  // from up to left
    EXPECT_EQ(shape.Drawn(), Rows({"...111.....",
                                   "..3........",
                                   ".3.........",
                                   "3..........",
                                   "1..........",
                                   "1..........",
                                   "...........",
                                   "...........",
                                   "...........",
                                   "...........",
                                   "..........."}));
}

TEST(DashedCurves, APieRunsOnAlongItsRadii) {
    DottedCanvas shape;
    Pie(shape.dc(), 0, 0, 11, 11, 11, 5, 5, 0);
    EXPECT_EQ(shape.Drawn(), Rows({".....113...",
                                   ".....3223..",
                                   ".....32223.",
                                   ".....322221",
                                   ".....122221",
                                   ".....113331",
                                   "...........",
                                   "...........",
                                   "...........",
                                   "...........",
                                   "..........."}));
}

// ---- Polygon --------------------------------------------------------------------

TEST(Polygon, TheInteriorKeepsLeftAndTopEdgesOnly) {
    ShapeCanvas shape(8, 6, PS_NULL);
    const POINT box[] = {{1, 1}, {6, 1}, {6, 4}, {1, 4}};
    ASSERT_EQ(Polygon(shape.dc(), box, 4), TRUE);
    EXPECT_EQ(shape.Drawn(), Rows({"........", ".22222..", ".22222..", ".22222..", "........", "........"}));
}

TEST(Polygon, TrianglesSharingAnEdgeShareNoPixel) {
    ShapeCanvas first(8, 8, PS_NULL);
    ShapeCanvas second(8, 8, PS_NULL);
    const POINT upper[] = {{0, 0}, {8, 0}, {0, 8}};
    const POINT lower[] = {{8, 0}, {8, 8}, {0, 8}};
    Polygon(first.dc(), upper, 3);
    Polygon(second.dc(), lower, 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool a = IndexAt(first.canvas, 8, x, y) == 2;
            const bool b = IndexAt(second.canvas, 8, x, y) == 2;
            EXPECT_NE(a, b) << x << "," << y << " must belong to exactly one triangle";
            EXPECT_EQ(a, x + y < 8) << x << "," << y;
        }
}

TEST(Polygon, OutlinesWithThePenOverTheBrush) {
    ShapeCanvas shape(8, 6);
    const POINT box[] = {{1, 1}, {6, 1}, {6, 4}, {1, 4}};
    Polygon(shape.dc(), box, 4);
    EXPECT_EQ(shape.Drawn(), Rows({"........", ".111111.", ".122221.", ".122221.", ".111111.", "........"}));
}

// A five-pointed star drawn in one stroke crosses itself: its middle is
// inside twice, a hole under ALTERNATE and filled under WINDING.
TEST(Polygon, AStarHasAHoleUnderAlternateAndNoneUnderWinding) {
    const POINT star[] = {{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}};
    ShapeCanvas alternate(41, 40, PS_NULL);
    ShapeCanvas winding(41, 40, PS_NULL);
    EXPECT_EQ(GetPolyFillMode(alternate.dc()), ALTERNATE);
    Polygon(alternate.dc(), star, 5);
    EXPECT_EQ(SetPolyFillMode(winding.dc(), WINDING), ALTERNATE);
    EXPECT_EQ(GetPolyFillMode(winding.dc()), WINDING);
    Polygon(winding.dc(), star, 5);
    const auto at = [](const ShapeCanvas& s, int x, int y) { return IndexAt(s.canvas, 41, x, y); };
    EXPECT_EQ(at(alternate, 20, 22), 0u) << "the middle is a hole";
    EXPECT_EQ(at(winding, 20, 22), 2u) << "the middle is filled";
    for (const auto& [x, y] : {std::pair{20, 6}, {4, 15}, {36, 15}, {30, 35}, {10, 35}}) {
        EXPECT_EQ(at(alternate, x, y), 2u) << "point " << x << "," << y;
        EXPECT_EQ(at(winding, x, y), 2u) << "point " << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{2, 2}, {38, 30}, {20, 38}}) {
        EXPECT_EQ(at(alternate, x, y), 0u) << "outside " << x << "," << y;
        EXPECT_EQ(at(winding, x, y), 0u) << "outside " << x << "," << y;
    }
    // Outside the hole both modes agree.
    int differing = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 41; ++x) differing += at(alternate, x, y) != at(winding, x, y);
    EXPECT_GT(differing, 30);
    EXPECT_LT(differing, 400);
}

TEST(Polygon, ManyPointsAndHugeCoordinates) {
    ShapeCanvas shape(16, 16, PS_NULL);
    std::vector<POINT> round;
    for (int i = 0; i < 10000; ++i) {
        const double angle = 2 * std::numbers::pi * i / 10000;
        round.push_back(POINT{static_cast<LONG>(2.1e9 * std::cos(angle)), static_cast<LONG>(2.1e9 * std::sin(angle))});
    }
    EXPECT_EQ(Polygon(shape.dc(), round.data(), static_cast<int>(round.size())), TRUE);
    std::string full;
    for (int y = 0; y < 16; ++y) full += std::string(16, '2') + "\n";
    EXPECT_EQ(shape.Drawn(), full);

    ShapeCanvas corners(16, 16);
    const POINT edges[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
    EXPECT_EQ(Polygon(corners.dc(), edges, 4), TRUE);
    EXPECT_EQ(corners.Drawn(), full);
    const POINT sliver[] = {{INT_MIN, 3}, {INT_MAX, 4}, {INT_MAX, 12}};
    ShapeCanvas thin(16, 16);
    EXPECT_EQ(Polygon(thin.dc(), sliver, 3), TRUE);
}

TEST(Polygon, RefusesTooFewPointsAndBadModes) {
    ShapeCanvas shape(4, 4);
    const POINT two[] = {{0, 0}, {3, 3}};
    EXPECT_EQ(Polygon(shape.dc(), two, 1), FALSE);
    EXPECT_EQ(Polygon(shape.dc(), two, 0), FALSE);
    EXPECT_EQ(Polygon(shape.dc(), two, -1), FALSE);
    EXPECT_EQ(Polygon(shape.dc(), nullptr, 4), FALSE);
    EXPECT_EQ(Polygon(nullptr, two, 2), FALSE);
    EXPECT_EQ(shape.Drawn(), Rows({"....", "....", "....", "...."}));
    EXPECT_EQ(SetPolyFillMode(shape.dc(), 0), 0);
    EXPECT_EQ(SetPolyFillMode(shape.dc(), 3), 0);
    EXPECT_EQ(GetPolyFillMode(shape.dc()), ALTERNATE);
    EXPECT_EQ(SetPolyFillMode(nullptr, WINDING), 0);
    EXPECT_EQ(GetPolyFillMode(nullptr), 0);
}

// ---- All shapes -------------------------------------------------------------

TEST(Shapes, RefuseBadHandles) {
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    HDC foreign = testing::ForeignHandle<HDC>(detail::HandleTag::Kernel);
    for (HDC dc : {static_cast<HDC>(nullptr), stale, foreign}) {
        EXPECT_EQ(Rectangle(dc, 0, 0, 5, 5), FALSE);
        EXPECT_EQ(Ellipse(dc, 0, 0, 5, 5), FALSE);
        EXPECT_EQ(Arc(dc, 0, 0, 5, 5, 0, 0, 5, 5), FALSE);
        EXPECT_EQ(Pie(dc, 0, 0, 5, 5, 0, 0, 5, 5), FALSE);
        const POINT three[] = {{0, 0}, {3, 0}, {0, 3}};
        EXPECT_EQ(Polygon(dc, three, 3), FALSE);
    }
}

TEST(Shapes, KeepToTheClipRegion) {
    ShapeCanvas shape(11, 11);
    HRGN region = CreateRectRgn(3, 2, 8, 9);
    SelectClipRgn(shape.dc(), region);
    DeleteObject(region);
    Ellipse(shape.dc(), 0, 0, 11, 11);
    EXPECT_EQ(shape.Drawn(), Rows({"...........",
                                   "...........",
                                   "...22222...",
                                   "...22222...",
                                   "...22222...",
                                   "...22222...",
                                   "...22222...",
                                   "...22222...",
                                   "...22222...",
                                   "...........",
                                   "..........."}));
}

TEST(Shapes, DrawOnAWindowSurface) {
    testing::SurfaceCanvas window(12, 12);
    ScopedPen pen(window.dc(), PS_SOLID, 1, RGB(255, 0, 0));
    ScopedBrush brush(window.dc(), SolidBrush(RGB(0, 0, 255)));
    const std::uint64_t before = window.surface().Version();
    ASSERT_EQ(Ellipse(window.dc(), 0, 0, 11, 11), TRUE);
    EXPECT_GT(window.surface().Version(), before);
    EXPECT_EQ(window.Pixel(0, 5), 0xFF0000u);
    EXPECT_EQ(window.Pixel(10, 5), 0xFF0000u);
    EXPECT_EQ(window.Pixel(5, 0), 0xFF0000u);
    EXPECT_EQ(window.Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(window.Pixel(0, 0), 0u);
    EXPECT_EQ(window.Pixel(11, 5), 0u);
}

}  // namespace
}  // namespace lumenbox::win

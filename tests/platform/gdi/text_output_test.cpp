// TextOutA and ExtTextOutA: which pixels a string may touch, where its cell
// lands for each alignment and escapement, what the background covers, and
// how rectangles and clip regions cut it.
#include <climits>
#include <string>
#include <vector>

#include "text_test_support.h"

namespace lumenbox::win {
namespace {

using testing::Coverage;
using testing::CoverageOf;
using testing::DibCanvas;
using testing::Describe;
using testing::Draw;
using testing::ExtentOf;
using testing::Fill;
using testing::FontRequest;
using testing::Inside;
using testing::Picture;
using testing::SelectedFont;
using testing::SurfaceCanvas;

constexpr int kWidth = 96;
constexpr int kHeight = 64;
constexpr int kInk = 1;
constexpr int kPaper = 2;
constexpr int kStranger = 3;  // no text call may produce it

// An 8-bit canvas, all index 0, with the text colour index 1 and the
// background index 2, transparent unless a test says otherwise.
class TextCanvas : public DibCanvas {
public:
    explicit TextCanvas(int width = kWidth, int height = kHeight)
        : DibCanvas(width, height, 8, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0), RGB(0, 0, 255)}),
          width_(width),
          height_(height) {
        SetTextColor(dc(), PALETTEINDEX(kInk));
        SetBkColor(dc(), PALETTEINDEX(kPaper));
        SetBkMode(dc(), TRANSPARENT);
    }
    Coverage Ink() const { return CoverageOf(*this, width_, height_, kInk); }
    Coverage Paper() const { return CoverageOf(*this, width_, height_, kPaper); }
    // Every pixel text has touched, ink or background.
    Coverage Touched() const {
        Coverage all;
        const Coverage ink = Ink(), paper = Paper();
        all.pixels = ink.pixels + paper.pixels;
        if (ink.pixels == 0) return Coverage{paper.box, all.pixels};
        if (paper.pixels == 0) return Coverage{ink.box, all.pixels};
        all.box = RECT{std::min(ink.box.left, paper.box.left), std::min(ink.box.top, paper.box.top),
                       std::max(ink.box.right, paper.box.right), std::max(ink.box.bottom, paper.box.bottom)};
        return all;
    }
    int Count(int value) const { return CoverageOf(*this, width_, height_, value).pixels; }
    std::string Show() const { return Picture(*this, width_, height_, kInk, kPaper); }

private:
    int width_;
    int height_;
};

int Area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

TEST(TextOutput, TransparentTextSetsOnlyTextColourPixelsInsideItsCell) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    ASSERT_TRUE(Draw(canvas.dc(), 10, 20, "Hello"));
    const SIZE size = ExtentOf(canvas.dc(), "Hello");
    const Coverage ink = canvas.Ink();
    EXPECT_GT(ink.pixels, 20);
    EXPECT_EQ(canvas.Paper().pixels, 0) << canvas.Show();
    EXPECT_EQ(canvas.Count(kStranger), 0);
    const RECT cell{10, 20, 10 + size.cx, 20 + size.cy};
    EXPECT_TRUE(Inside(ink.box, cell)) << Describe(ink.box) << " outside " << Describe(cell) << "\n" << canvas.Show();
}

TEST(TextOutput, OpaqueTextFillsExactlyItsCellWithTheBackground) {
    TextCanvas transparent, opaque;
    SetBkMode(opaque.dc(), OPAQUE);
    SIZE size{};
    for (TextCanvas* canvas : {&transparent, &opaque}) {
        SelectedFont font(canvas->dc(), FontRequest{"Arial", 16});
        ASSERT_TRUE(Draw(canvas->dc(), 10, 20, "Hello"));
        size = ExtentOf(canvas->dc(), "Hello");
    }
    const RECT cell{10, 20, 10 + size.cx, 20 + size.cy};
    const Coverage touched = opaque.Touched();
    EXPECT_EQ(Describe(touched.box), Describe(cell)) << opaque.Show();
    EXPECT_EQ(touched.pixels, Area(cell)) << "no hole in the background";
    EXPECT_EQ(opaque.Ink().pixels, transparent.Ink().pixels) << "the same glyphs over the background";
}

struct AlignmentCase {
    const char* name;
    UINT align;
    // The cell for reference point (x, y), extent (cx, cy) and ascent.
    RECT (*cell)(int x, int y, SIZE size, int ascent);
};

class TextAlignment : public ::testing::TestWithParam<AlignmentCase> {};

TEST_P(TextAlignment, PutsTheCellWhereTheReferencePointSays) {
    TextCanvas canvas;
    SetBkMode(canvas.dc(), OPAQUE);
    SelectedFont font(canvas.dc(), FontRequest{"Times New Roman", 18});
    ASSERT_NE(SetTextAlign(canvas.dc(), GetParam().align), GDI_ERROR);
    ASSERT_TRUE(Draw(canvas.dc(), 48, 32, "Tab"));
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &metrics));
    const RECT expected = GetParam().cell(48, 32, ExtentOf(canvas.dc(), "Tab"), metrics.tmAscent);
    EXPECT_EQ(Describe(canvas.Touched().box), Describe(expected)) << canvas.Show();
    EXPECT_TRUE(Inside(canvas.Ink().box, expected));
}

INSTANTIATE_TEST_SUITE_P(
    TextOutput, TextAlignment,
    ::testing::Values(
        AlignmentCase{"LeftTop", TA_LEFT | TA_TOP,
                      [](int x, int y, SIZE s, int) { return RECT{x, y, x + s.cx, y + s.cy}; }},
        AlignmentCase{"RightTop", TA_RIGHT | TA_TOP,
                      [](int x, int y, SIZE s, int) { return RECT{x - s.cx, y, x, y + s.cy}; }},
        AlignmentCase{"CenterTop", TA_CENTER | TA_TOP,
                      [](int x, int y, SIZE s, int) { return RECT{x - s.cx / 2, y, x - s.cx / 2 + s.cx, y + s.cy}; }},
        AlignmentCase{"LeftBaseline", TA_LEFT | TA_BASELINE,
                      [](int x, int y, SIZE s, int a) { return RECT{x, y - a, x + s.cx, y - a + s.cy}; }},
        AlignmentCase{"RightBottom", TA_RIGHT | TA_BOTTOM,
                      [](int x, int y, SIZE s, int) { return RECT{x - s.cx, y - s.cy, x, y}; }},
        AlignmentCase{"CenterBaseline", TA_CENTER | TA_BASELINE,
                      [](int x, int y, SIZE s, int a) { return RECT{x - s.cx / 2, y - a, x - s.cx / 2 + s.cx, y - a + s.cy}; }}),
    [](const ::testing::TestParamInfo<AlignmentCase>& info) { return std::string(info.param.name); });

TEST(TextOutput, CapitalsStandOnTheBaseline) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 20});
    SetTextAlign(canvas.dc(), TA_LEFT | TA_BASELINE);
    ASSERT_TRUE(Draw(canvas.dc(), 4, 30, "HIT"));
    EXPECT_EQ(canvas.Ink().box.bottom, 30) << "the row above the baseline is the capitals' last\n" << canvas.Show();
}

TEST(TextOutput, UpdateCpStartsAtTheCurrentPositionAndMovesItByTheExtent) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    const SIZE hello = ExtentOf(canvas.dc(), "Hello");
    SetTextAlign(canvas.dc(), TA_LEFT | TA_TOP | TA_UPDATECP);
    MoveToEx(canvas.dc(), 5, 10, nullptr);
    ASSERT_TRUE(Draw(canvas.dc(), 70, 50, "Hello"));  // (70, 50) is not used
    POINT position{};
    ASSERT_TRUE(GetCurrentPositionEx(canvas.dc(), &position));
    EXPECT_EQ(position.x, 5 + hello.cx);
    EXPECT_EQ(position.y, 10);
    EXPECT_TRUE(Inside(canvas.Ink().box, RECT{5, 10, 5 + hello.cx, 10 + hello.cy})) << canvas.Show();

    // A second string carries on where the first ended.
    const Coverage before = canvas.Ink();
    ASSERT_TRUE(Draw(canvas.dc(), 0, 0, "Hello"));
    const Coverage after = canvas.Ink();
    EXPECT_EQ(after.pixels, 2 * before.pixels);
    EXPECT_GE(after.box.left, 5);
    EXPECT_LE(after.box.right, 5 + 2 * hello.cx);
    ASSERT_TRUE(GetCurrentPositionEx(canvas.dc(), &position));
    EXPECT_EQ(position.x, 5 + 2 * hello.cx);
}

TEST(TextOutput, UpdateCpMovesBackForRightAlignmentAndStaysForCentred) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    const SIZE size = ExtentOf(canvas.dc(), "Hi!");
    POINT position{};
    SetTextAlign(canvas.dc(), TA_RIGHT | TA_UPDATECP);
    MoveToEx(canvas.dc(), 80, 4, nullptr);
    ASSERT_TRUE(Draw(canvas.dc(), 0, 0, "Hi!"));
    ASSERT_TRUE(GetCurrentPositionEx(canvas.dc(), &position));
    EXPECT_EQ(position.x, 80 - size.cx);
    EXPECT_EQ(position.y, 4);
    EXPECT_TRUE(Inside(canvas.Ink().box, RECT{80 - size.cx, 4, 80, 4 + size.cy})) << canvas.Show();

    SetTextAlign(canvas.dc(), TA_CENTER | TA_UPDATECP);
    MoveToEx(canvas.dc(), 40, 30, nullptr);
    ASSERT_TRUE(Draw(canvas.dc(), 0, 0, "Hi!"));
    ASSERT_TRUE(GetCurrentPositionEx(canvas.dc(), &position));
    EXPECT_EQ(position.x, 40);
    EXPECT_EQ(position.y, 30);
}

TEST(TextOutput, EscapementNinetyWritesUpwardsInATallNarrowCell) {
    TextCanvas canvas;
    SetBkMode(canvas.dc(), OPAQUE);
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16, FW_NORMAL, 900});
    const SIZE size = ExtentOf(canvas.dc(), "Hello");
    EXPECT_GT(size.cx, size.cy) << "the extent is measured unrotated";
    ASSERT_TRUE(Draw(canvas.dc(), 20, 60, "Hello"));
    // The baseline runs up from (20, 60); the cell hangs to its right.
    const RECT cell{20, 60 - size.cx, 20 + size.cy, 60};
    EXPECT_EQ(Describe(canvas.Touched().box), Describe(cell)) << canvas.Show();
    EXPECT_EQ(canvas.Touched().pixels, Area(cell));
    const RECT ink = canvas.Ink().box;
    EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left) << canvas.Show();
}

TEST(TextOutput, EscapementNinetyMovesTheCurrentPositionUpwards) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16, FW_NORMAL, 900});
    const SIZE size = ExtentOf(canvas.dc(), "Up");
    SetTextAlign(canvas.dc(), TA_UPDATECP);
    MoveToEx(canvas.dc(), 10, 50, nullptr);
    ASSERT_TRUE(Draw(canvas.dc(), 0, 0, "Up"));
    POINT position{};
    ASSERT_TRUE(GetCurrentPositionEx(canvas.dc(), &position));
    EXPECT_EQ(position.x, 10);
    EXPECT_EQ(position.y, 50 - size.cx);
}

TEST(TextOutput, EscapementOneEightyRunsLeftwardsUpsideDown) {
    TextCanvas canvas;
    SetBkMode(canvas.dc(), OPAQUE);
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16, FW_NORMAL, 1800});
    const SIZE size = ExtentOf(canvas.dc(), "Hello");
    ASSERT_TRUE(Draw(canvas.dc(), 70, 40, "Hello"));
    const RECT cell{70 - size.cx, 40 - size.cy, 70, 40};
    EXPECT_EQ(Describe(canvas.Touched().box), Describe(cell)) << canvas.Show();
    EXPECT_TRUE(Inside(canvas.Ink().box, cell));
}

TEST(TextOutput, AnEscapementTurnsTheCellAndKeepsTheGlyphsInIt) {
    TextCanvas transparent, opaque;
    SetBkMode(opaque.dc(), OPAQUE);
    SIZE size{};
    for (TextCanvas* canvas : {&transparent, &opaque}) {
        SelectedFont font(canvas->dc(), FontRequest{"Arial", 16, FW_NORMAL, 300});
        ASSERT_TRUE(Draw(canvas->dc(), 10, 40, "Hello"));
        size = ExtentOf(canvas->dc(), "Hello");
    }
    // Every glyph pixel lies inside the turned background.
    const Coverage ink = transparent.Ink();
    ASSERT_GT(ink.pixels, 20);
    int outside = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (testing::IndexAt(transparent, kWidth, x, y) == kInk && testing::IndexAt(opaque, kWidth, x, y) == 0) ++outside;
    EXPECT_EQ(outside, 0) << transparent.Show() << "\n" << opaque.Show();
    // The turned cell keeps its area, give or take its edges.
    const int area = size.cx * size.cy;
    EXPECT_NEAR(opaque.Touched().pixels, area, size.cx + size.cy);
    // At 30 degrees it rises to the right of the reference point.
    EXPECT_LT(opaque.Touched().box.top, 40 - size.cx / 3);
    EXPECT_GE(opaque.Touched().box.left, 10);
}

// Rows of the canvas inked from column `left` up to, not including, `right`
// and nowhere else.
std::vector<int> SolidRows(const TextCanvas& canvas, int left, int right) {
    std::vector<int> rows;
    for (int y = 0; y < kHeight; ++y) {
        bool solid = true;
        for (int x = 0; x < kWidth && solid; ++x)
            solid = (testing::IndexAt(canvas, kWidth, x, y) == kInk) == (x >= left && x < right);
        if (solid) rows.push_back(y);
    }
    return rows;
}

TEST(TextOutput, UnderlineRunsAcrossTheWholeAdvanceBelowTheBaseline) {
    TextCanvas plain, underlined;
    SelectedFont plainFont(plain.dc(), FontRequest{"Arial", 20});
    FontRequest request{"Arial", 20};
    request.underline = true;
    SelectedFont underlinedFont(underlined.dc(), request);
    for (TextCanvas* canvas : {&plain, &underlined}) ASSERT_TRUE(Draw(canvas->dc(), 6, 10, "ace  "));
    const SIZE size = ExtentOf(underlined.dc(), "ace  ");
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(underlined.dc(), &metrics));
    EXPECT_NE(metrics.tmUnderlined, 0);
    EXPECT_TRUE(SolidRows(plain, 6, 6 + size.cx).empty()) << plain.Show();
    const std::vector<int> rows = SolidRows(underlined, 6, 6 + size.cx);
    ASSERT_FALSE(rows.empty()) << underlined.Show();
    const int baseline = 10 + metrics.tmAscent;
    EXPECT_GE(rows.front(), baseline) << "below the baseline";
    EXPECT_LT(rows.back(), 10 + size.cy) << "inside the cell";
}

TEST(TextOutput, StrikeOutCrossesAboveTheBaseline) {
    TextCanvas canvas;
    FontRequest request{"Arial", 20};
    request.strikeOut = true;
    SelectedFont font(canvas.dc(), request);
    ASSERT_TRUE(Draw(canvas.dc(), 6, 10, "ace  "));
    const SIZE size = ExtentOf(canvas.dc(), "ace  ");
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &metrics));
    EXPECT_NE(metrics.tmStruckOut, 0);
    const std::vector<int> rows = SolidRows(canvas, 6, 6 + size.cx);
    ASSERT_FALSE(rows.empty()) << canvas.Show();
    EXPECT_GT(rows.front(), 10);
    EXPECT_LT(rows.back(), 10 + metrics.tmAscent);
}

TEST(TextOutput, UnderlineTurnsWithTheEscapement) {
    TextCanvas canvas;
    FontRequest request{"Arial", 16, FW_NORMAL, 900};
    request.underline = true;
    SelectedFont font(canvas.dc(), request);
    ASSERT_TRUE(Draw(canvas.dc(), 10, 60, "ace  "));
    const SIZE size = ExtentOf(canvas.dc(), "ace  ");
    // Some column right of the baseline is inked from 60 - cx to 60.
    int solidColumns = 0;
    for (int x = 10; x < 10 + size.cy; ++x) {
        bool solid = true;
        for (int y = 0; y < kHeight && solid; ++y)
            solid = (testing::IndexAt(canvas, kWidth, x, y) == kInk) == (y >= 60 - size.cx && y < 60);
        solidColumns += solid;
    }
    EXPECT_GE(solidColumns, 1) << canvas.Show();
}

TEST(TextOutput, EtoOpaqueFillsItsRectangleEvenWithoutText) {
    TextCanvas canvas(12, 6);
    SetBkMode(canvas.dc(), TRANSPARENT);
    const RECT rect{9, 4, 2, 1};  // reversed: (2, 1)-(9, 4)
    ASSERT_TRUE(ExtTextOutA(canvas.dc(), 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr));
    EXPECT_EQ(canvas.Show(),
              "............\n"
              "..ooooooo...\n"
              "..ooooooo...\n"
              "..ooooooo...\n"
              "............\n"
              "............\n");
    // Without a rectangle the option means nothing.
    ASSERT_TRUE(ExtTextOutA(canvas.dc(), 0, 0, ETO_OPAQUE, nullptr, nullptr, 0, nullptr));
    EXPECT_EQ(canvas.Paper().pixels, 21);
}

TEST(TextOutput, EtoOpaqueFillsTheRectangleAndDrawsTheTextOverIt) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    const RECT rect{0, 0, 90, 40};
    ASSERT_TRUE(ExtTextOutA(canvas.dc(), 10, 10, ETO_OPAQUE, &rect, "Hello", 5, nullptr));
    EXPECT_EQ(canvas.Touched().pixels, 90 * 40) << canvas.Show();
    EXPECT_GT(canvas.Ink().pixels, 20);
    EXPECT_EQ(Describe(canvas.Touched().box), Describe(rect));
}

TEST(TextOutput, EtoClippedKeepsTheTextInsideItsRectangle) {
    TextCanvas clipped, whole;
    SIZE size{};
    for (TextCanvas* canvas : {&clipped, &whole}) {
        SetBkMode(canvas->dc(), OPAQUE);
        SelectedFont font(canvas->dc(), FontRequest{"Arial", 16});
        const RECT rect{14, 22, 30, 30};
        const UINT options = canvas == &clipped ? ETO_CLIPPED : 0;
        ASSERT_TRUE(ExtTextOutA(canvas->dc(), 10, 20, options, &rect, "Hello", 5, nullptr));
        size = ExtentOf(canvas->dc(), "Hello");
    }
    EXPECT_EQ(Describe(clipped.Touched().box), Describe(RECT{14, 22, 30, 30})) << clipped.Show();
    EXPECT_EQ(clipped.Touched().pixels, 16 * 8);
    EXPECT_EQ(Describe(whole.Touched().box), Describe(RECT{10, 20, 10 + size.cx, 20 + size.cy})) << "rectangle unused";
}

TEST(TextOutput, TheClipRegionCutsText) {
    TextCanvas canvas;
    SetBkMode(canvas.dc(), OPAQUE);
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    HRGN region = CreateRectRgn(12, 0, 20, kHeight);
    ASSERT_EQ(SelectClipRgn(canvas.dc(), region), SIMPLEREGION);
    DeleteObject(region);
    ASSERT_TRUE(Draw(canvas.dc(), 10, 20, "Hello"));
    EXPECT_EQ(Describe(canvas.Touched().box), Describe(RECT{12, 20, 20, 36})) << canvas.Show();
    EXPECT_EQ(canvas.Touched().pixels, 8 * 16);
}

TEST(TextOutput, DxGivesEveryCharacterItsOwnAdvance) {
    TextCanvas canvas;
    SetBkMode(canvas.dc(), OPAQUE);
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    SetTextCharacterExtra(canvas.dc(), 2);
    SetTextAlign(canvas.dc(), TA_UPDATECP);
    MoveToEx(canvas.dc(), 4, 4, nullptr);
    const INT dx[] = {10, 10, 10};
    ASSERT_TRUE(ExtTextOutA(canvas.dc(), 0, 0, 0, nullptr, "iii", 3, dx));
    // Each advance is its dx with the character extra after it.
    EXPECT_EQ(Describe(canvas.Touched().box), Describe(RECT{4, 4, 4 + 36, 20})) << canvas.Show();
    POINT position{};
    GetCurrentPositionEx(canvas.dc(), &position);
    EXPECT_EQ(position.x, 40);
}

TEST(TextOutput, TextColourIsStoredAsItsPaletteIndexWhateverTheRop2) {
    TextCanvas canvas;
    Fill(canvas.dc(), 0, 0, kWidth, kHeight, PALETTEINDEX(kInk));
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    SetTextColor(canvas.dc(), PALETTEINDEX(kStranger));
    ASSERT_EQ(SetROP2(canvas.dc(), R2_XORPEN), R2_COPYPEN);
    ASSERT_TRUE(Draw(canvas.dc(), 4, 4, "Hello"));
    // Under XOR index 3 would make 3 ^ 1 = 2; text copies its colour.
    EXPECT_EQ(canvas.Count(kPaper), 0);
    EXPECT_GT(canvas.Count(kStranger), 20);
    EXPECT_EQ(canvas.Count(kInk) + canvas.Count(kStranger), kWidth * kHeight);
}

TEST(TextOutput, ThirtyTwoBitTargetsTakeTheTextAndBackgroundColours) {
    DibCanvas canvas(48, 24, 32);
    Fill(canvas.dc(), 0, 0, 48, 24, RGB(10, 20, 30));
    SelectedFont font(canvas.dc(), FontRequest{"Courier New", 14});
    SetTextColor(canvas.dc(), RGB(200, 100, 50));
    SetBkColor(canvas.dc(), RGB(1, 2, 3));
    ASSERT_TRUE(Draw(canvas.dc(), 3, 4, "Ok"));
    const SIZE size = ExtentOf(canvas.dc(), "Ok");
    int ink = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 48; ++x) {
            const COLORREF pixel = GetPixel(canvas.dc(), x, y);
            const bool inCell = x >= 3 && x < 3 + size.cx && y >= 4 && y < 4 + size.cy;
            if (inCell) {
                ASSERT_TRUE(pixel == RGB(200, 100, 50) || pixel == RGB(1, 2, 3)) << x << ", " << y;
                ink += pixel == RGB(200, 100, 50);
            } else {
                ASSERT_EQ(pixel, RGB(10, 20, 30)) << x << ", " << y;
            }
        }
    EXPECT_GT(ink, 10);
}

TEST(TextOutput, AWindowSurfaceGetsTheTextColourAndNothingElse) {
    SurfaceCanvas canvas(64, 24);
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), RGB(255, 0, 0));
    ASSERT_TRUE(Draw(canvas.dc(), 2, 2, "Hello"));
    int ink = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 64; ++x) {
            const std::uint32_t pixel = canvas.Pixel(x, y);
            ASSERT_TRUE(pixel == 0 || pixel == 0x00FF0000u) << x << ", " << y << ": " << pixel;
            ink += pixel != 0;
        }
    EXPECT_GT(ink, 20);
}

TEST(TextOutput, FarAwayTextDrawsNothingAndLongTextIsClipped) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    SetBkMode(canvas.dc(), OPAQUE);
    for (const POINT at : {POINT{INT_MIN, INT_MIN}, POINT{INT_MAX, INT_MAX}, POINT{INT_MIN, 10}, POINT{INT_MAX - 5, 10},
                           POINT{10, INT_MAX}})
        EXPECT_TRUE(Draw(canvas.dc(), at.x, at.y, "Hello"));
    EXPECT_EQ(canvas.Touched().pixels, 0) << canvas.Show();

    const std::string endless(100000, 'W');
    ASSERT_TRUE(TextOutA(canvas.dc(), -1000, 10, endless.data(), static_cast<int>(endless.size())));
    EXPECT_EQ(Describe(canvas.Touched().box), Describe(RECT{0, 10, kWidth, 26})) << "the whole width, one cell high";
    EXPECT_EQ(canvas.Touched().pixels, kWidth * 16);
}

TEST(TextOutput, HugeSpacingSaturatesInsteadOfOverflowing) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 16});
    SetTextCharacterExtra(canvas.dc(), INT_MAX);
    SetTextAlign(canvas.dc(), TA_UPDATECP);
    MoveToEx(canvas.dc(), INT_MAX - 10, 5, nullptr);
    const std::string endless(100000, 'W');
    ASSERT_TRUE(TextOutA(canvas.dc(), 0, 0, endless.data(), static_cast<int>(endless.size())));
    POINT position{};
    GetCurrentPositionEx(canvas.dc(), &position);
    EXPECT_EQ(position.x, INT_MAX);
    EXPECT_EQ(position.y, 5);
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), endless.data(), static_cast<int>(endless.size()), &size));
    EXPECT_EQ(size.cx, INT_MAX);

    SetTextCharacterExtra(canvas.dc(), INT_MIN + 1);
    SetTextAlign(canvas.dc(), TA_RIGHT | TA_UPDATECP);
    ASSERT_TRUE(TextOutA(canvas.dc(), 0, 0, endless.data(), static_cast<int>(endless.size())));
    GetCurrentPositionEx(canvas.dc(), &position);
    EXPECT_EQ(position.x, INT_MAX) << "moving back by a negative width moves forwards, and saturates";
    EXPECT_EQ(canvas.Touched().pixels, 0);
}

TEST(TextOutput, AFaceThatIsNotInstalledStillDraws) {
    TextCanvas canvas;
    SelectedFont font(canvas.dc(), FontRequest{"No Such Face Anywhere", 16});
    ASSERT_TRUE(Draw(canvas.dc(), 4, 4, "Hello"));
    EXPECT_GT(canvas.Ink().pixels, 20) << canvas.Show();
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &metrics));
    EXPECT_EQ(metrics.tmHeight, 16);
}

TEST(TextOutput, TheStockSystemFontOfANewDcDraws) {
    TextCanvas canvas;
    ASSERT_TRUE(Draw(canvas.dc(), 4, 4, "Hello"));
    EXPECT_GT(canvas.Ink().pixels, 20) << canvas.Show();
}

// Arial (Liberation Sans) in a 16-pixel cell: ascent 13, an em of 14
// pixels; H advances 1479 / 2048 of it (10 pixels), I 569 / 2048 (4). The
// capitals stand on the baseline, 10 rows high, and the underline is the
// row below it, across both advances.
TEST(TextOutput, CapitalsDrawnWithTheirBackgroundAndUnderline) {
    TextCanvas canvas(18, 18);
    SetBkMode(canvas.dc(), OPAQUE);
    FontRequest request{"Arial", 16};
    request.underline = true;
    SelectedFont font(canvas.dc(), request);
    ASSERT_TRUE(Draw(canvas.dc(), 1, 1, "HI"));
    EXPECT_EQ(canvas.Show(),
              "..................\n"
              ".oooooooooooooo...\n"
              ".oooooooooooooo...\n"
              ".oooooooooooooo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".o#######ooo#oo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".o#ooooo#ooo#oo...\n"
              ".oooooooooooooo...\n"
              ".##############...\n"
              ".oooooooooooooo...\n"
              "..................\n");
}

// The picture of one character drawn alone.
std::string PictureOf(const char* text) {
    TextCanvas canvas(24, 24);
    SelectedFont font(canvas.dc(), FontRequest{"Arial", 20});
    EXPECT_TRUE(Draw(canvas.dc(), 2, 2, text));
    return canvas.Show();
}

TEST(TextOutput, BytesAreWindows1252Characters) {
    // 0x80 is the euro sign in Windows-1252 and a control character in
    // Latin-1; 0x81 is undefined in both and draws the missing glyph.
    EXPECT_NE(PictureOf("\x80"), PictureOf("\x81"));
    EXPECT_NE(PictureOf("\x80"), PictureOf("E"));
    EXPECT_NE(PictureOf("\xE9"), PictureOf("e")) << "e acute";
    EXPECT_NE(PictureOf("\x93"), PictureOf("\x81")) << "left double quotation mark";
}

}  // namespace
}  // namespace lumenbox::win

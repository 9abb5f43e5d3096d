// GetTextExtentPoint32A and GetTextMetricsA: sizes as Windows reads
// lfHeight, the faces the Windows names reach, weight, width and spacing.
#include <climits>
#include <cstring>
#include <string>

#include "text_test_support.h"

namespace lumenbox::win {
namespace {

using testing::CoverageOf;
using testing::DibCanvas;
using testing::Draw;
using testing::ExtentOf;
using testing::FontRequest;
using testing::SelectedFont;

class TextMetrics : public ::testing::Test {
protected:
    TextMetrics() : canvas_(64, 32, 8, {RGB(0, 0, 0), RGB(255, 255, 255)}) {
        SetTextColor(dc(), PALETTEINDEX(1));
        SetBkMode(dc(), TRANSPARENT);
    }
    HDC dc() const { return canvas_.dc(); }

    TEXTMETRICA MetricsOf(const FontRequest& request) {
        SelectedFont font(dc(), request);
        TEXTMETRICA metrics{};
        EXPECT_TRUE(GetTextMetricsA(dc(), &metrics));
        return metrics;
    }
    SIZE ExtentWith(const FontRequest& request, const char* text) {
        SelectedFont font(dc(), request);
        return ExtentOf(dc(), text);
    }
    // How many pixels the text inks at (2, 2).
    int InkOf(const FontRequest& request, const char* text) {
        DibCanvas canvas(160, 40, 8, {RGB(0, 0, 0), RGB(255, 255, 255)});
        SetTextColor(canvas.dc(), PALETTEINDEX(1));
        SetBkMode(canvas.dc(), TRANSPARENT);
        SelectedFont font(canvas.dc(), request);
        EXPECT_TRUE(Draw(canvas.dc(), 2, 2, text));
        return CoverageOf(canvas, 160, 40, 1).pixels;
    }

    DibCanvas canvas_;
};

TEST_F(TextMetrics, APositiveHeightIsTheCellHeight) {
    for (const LONG height : {6, 9, 13, 16, 21, 40}) {
        const TEXTMETRICA metrics = MetricsOf(FontRequest{"Arial", height});
        EXPECT_EQ(metrics.tmHeight, height);
        EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, height);
        EXPECT_GT(metrics.tmAscent, metrics.tmDescent);
        EXPECT_EQ(ExtentWith(FontRequest{"Arial", height}, "Hello").cy, height);
    }
}

TEST_F(TextMetrics, ANegativeHeightIsTheCharacterHeight) {
    for (const LONG height : {8, 12, 16, 30}) {
        const TEXTMETRICA metrics = MetricsOf(FontRequest{"Arial", -height});
        EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, height);
        EXPECT_GT(metrics.tmHeight, height) << "the cell holds accents above the em";
        EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
    }
    EXPECT_GT(ExtentWith(FontRequest{"Arial", -20}, "Hello").cx, ExtentWith(FontRequest{"Arial", 20}, "Hello").cx);
}

TEST_F(TextMetrics, HeightZeroIsASixteenPixelCell) {
    EXPECT_EQ(MetricsOf(FontRequest{"Arial", 0}).tmHeight, 16);
    EXPECT_EQ(ExtentWith(FontRequest{"Arial", 0}, "Hello").cx, ExtentWith(FontRequest{"Arial", 16}, "Hello").cx);
}

TEST_F(TextMetrics, TheMetricsDescribeTheFont) {
    const TEXTMETRICA metrics = MetricsOf(FontRequest{"Arial", 16});
    EXPECT_GT(metrics.tmAveCharWidth, 3);
    EXPECT_LT(metrics.tmAveCharWidth, 12);
    EXPECT_GT(metrics.tmMaxCharWidth, metrics.tmAveCharWidth);
    EXPECT_EQ(metrics.tmWeight, FW_NORMAL);
    EXPECT_EQ(metrics.tmItalic, 0);
    EXPECT_EQ(metrics.tmUnderlined, 0);
    EXPECT_EQ(metrics.tmStruckOut, 0);
    EXPECT_GE(metrics.tmExternalLeading, 0);
    EXPECT_EQ(metrics.tmOverhang, 0);
    EXPECT_EQ(metrics.tmDigitizedAspectX, 96);
    EXPECT_EQ(metrics.tmDigitizedAspectY, 96);
    EXPECT_EQ(metrics.tmBreakChar, ' ');
    EXPECT_LE(metrics.tmFirstChar, ' ');
    EXPECT_EQ(metrics.tmLastChar, 0xFF);
    EXPECT_EQ(metrics.tmCharSet, ANSI_CHARSET);
    EXPECT_EQ(metrics.tmPitchAndFamily & 0xF0, FF_SWISS);
    EXPECT_EQ(metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE), TMPF_VECTOR | TMPF_TRUETYPE);
    EXPECT_NE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "set for a variable pitch";

    FontRequest styled{"Arial", 16, FW_BOLD};
    styled.italic = styled.underline = styled.strikeOut = true;
    const TEXTMETRICA bold = MetricsOf(styled);
    EXPECT_GE(bold.tmWeight, FW_SEMIBOLD);
    EXPECT_NE(bold.tmItalic, 0);
    EXPECT_NE(bold.tmUnderlined, 0);
    EXPECT_NE(bold.tmStruckOut, 0);
}

TEST_F(TextMetrics, CourierNewIsFixedPitchAndModern) {
    const FontRequest courier{"Courier New", 16};
    EXPECT_EQ(ExtentWith(courier, "iiii").cx, ExtentWith(courier, "WWWW").cx);
    EXPECT_EQ(ExtentWith(courier, "Hello").cx, 5 * ExtentWith(courier, "x").cx);
    const TEXTMETRICA metrics = MetricsOf(courier);
    EXPECT_EQ(metrics.tmPitchAndFamily & 0xF0, FF_MODERN);
    EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    EXPECT_EQ(metrics.tmAveCharWidth, ExtentWith(courier, "x").cx);
}

TEST_F(TextMetrics, ArialAndTimesNewRomanAreProportional) {
    for (const char* face : {"Arial", "Times New Roman"}) {
        EXPECT_LT(ExtentWith(FontRequest{face, 16}, "iiii").cx, ExtentWith(FontRequest{face, 16}, "WWWW").cx) << face;
    }
    EXPECT_EQ(MetricsOf(FontRequest{"Times New Roman", 16}).tmPitchAndFamily & 0xF0, FF_ROMAN);
}

TEST_F(TextMetrics, TheWindowsFacesReachTheirMetricCompatibleStandIns) {
    const char* const pairs[][2] = {
        {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};
    const char* const texts[] = {"Hello, World", "iiii", "MMMM", "0123456789"};
    for (const auto& pair : pairs)
        for (const char* text : texts)
            EXPECT_EQ(ExtentWith(FontRequest{pair[0], 20}, text).cx, ExtentWith(FontRequest{pair[1], 20}, text).cx)
                << pair[0] << " / " << pair[1] << ": " << text;
    EXPECT_NE(ExtentWith(FontRequest{"Arial", 20}, "Hello, World").cx,
              ExtentWith(FontRequest{"Times New Roman", 20}, "Hello, World").cx);
}

TEST_F(TextMetrics, FaceNamesIgnoreCase) {
    EXPECT_EQ(ExtentWith(FontRequest{"times new roman", 20}, "Hello").cx,
              ExtentWith(FontRequest{"Times New Roman", 20}, "Hello").cx);
}

TEST_F(TextMetrics, BoldIsWiderAndHeavier) {
    const FontRequest regular{"Arial", 16};
    const FontRequest bold{"Arial", 16, FW_BOLD};
    EXPECT_GT(ExtentWith(bold, "Hello World").cx, ExtentWith(regular, "Hello World").cx);
    EXPECT_GT(InkOf(bold, "Hello World"), InkOf(regular, "Hello World") * 5 / 4);
    EXPECT_GE(MetricsOf(bold).tmWeight, FW_SEMIBOLD);
    // 600 is where bold begins; 500 is still regular.
    EXPECT_EQ(ExtentWith(FontRequest{"Arial", 16, 600}, "Hello World").cx, ExtentWith(bold, "Hello World").cx);
    EXPECT_EQ(ExtentWith(FontRequest{"Arial", 16, 500}, "Hello World").cx, ExtentWith(regular, "Hello World").cx);
}

TEST_F(TextMetrics, AWidthAsksForThatAverageCharacterWidth) {
    const TEXTMETRICA natural = MetricsOf(FontRequest{"Arial", 16});
    FontRequest wide{"Arial", 16};
    wide.width = 2 * natural.tmAveCharWidth;
    const TEXTMETRICA widened = MetricsOf(wide);
    EXPECT_NEAR(widened.tmAveCharWidth, wide.width, 1);
    EXPECT_EQ(widened.tmHeight, 16);
    const LONG plain = ExtentWith(FontRequest{"Arial", 16}, "Hello World").cx;
    EXPECT_NEAR(ExtentWith(wide, "Hello World").cx, 2 * plain, plain / 5);
}

TEST_F(TextMetrics, TheExtentIsTheSumOfTheAdvances) {
    SelectedFont font(dc(), FontRequest{"Times New Roman", 18});
    LONG sum = 0;
    for (const char c : std::string("Wavy text")) {
        const char one[2] = {c, '\0'};
        sum += ExtentOf(dc(), one).cx;
    }
    EXPECT_EQ(ExtentOf(dc(), "Wavy text").cx, sum);
    EXPECT_EQ(ExtentOf(dc(), "").cx, 0);
    EXPECT_EQ(ExtentOf(dc(), "").cy, 18);
}

TEST_F(TextMetrics, CharacterExtraAddsItsPixelsAfterEveryCharacter) {
    SelectedFont font(dc(), FontRequest{"Arial", 16});
    const LONG plain = ExtentOf(dc(), "Hello").cx;
    SetTextCharacterExtra(dc(), 3);
    EXPECT_EQ(ExtentOf(dc(), "Hello").cx, plain + 5 * 3);
    SetTextCharacterExtra(dc(), -1);
    EXPECT_EQ(ExtentOf(dc(), "Hello").cx, plain - 5);
}

TEST_F(TextMetrics, BreakExtraIsSharedAmongTheSpaces) {
    SelectedFont font(dc(), FontRequest{"Arial", 16});
    const LONG twoSpaces = ExtentOf(dc(), "a b c").cx;
    const LONG threeSpaces = ExtentOf(dc(), "a b c d").cx;
    ASSERT_TRUE(SetTextJustification(dc(), 7, 2));
    EXPECT_EQ(ExtentOf(dc(), "a b c").cx, twoSpaces + 7) << "4 and 3";
    EXPECT_EQ(ExtentOf(dc(), "abc").cx, ExtentOf(dc(), "a").cx + ExtentOf(dc(), "bc").cx) << "no space, no extra";
    // Each space takes 7 / 2 = 3, and the first 7 % 2 = 1 of them one more.
    EXPECT_EQ(ExtentOf(dc(), "a b c d").cx, threeSpaces + 3 + 1 + 3 + 3);
    ASSERT_TRUE(SetTextJustification(dc(), 0, 0));
    EXPECT_EQ(ExtentOf(dc(), "a b c").cx, twoSpaces);
}

TEST_F(TextMetrics, TextOutMovesTheCurrentPositionByTheExtent) {
    SelectedFont font(dc(), FontRequest{"Arial", 16});
    SetTextCharacterExtra(dc(), 2);
    SetTextJustification(dc(), 5, 1);
    SetTextAlign(dc(), TA_UPDATECP);
    MoveToEx(dc(), 0, 0, nullptr);
    ASSERT_TRUE(Draw(dc(), 0, 0, "to be"));
    POINT position{};
    ASSERT_TRUE(GetCurrentPositionEx(dc(), &position));
    EXPECT_EQ(position.x, ExtentOf(dc(), "to be").cx);
}

TEST_F(TextMetrics, TheEscapementLeavesTheExtentUnrotated) {
    for (const LONG escapement : {0, 450, 900, 1800, -900, 3600 + 900}) {
        const SIZE size = ExtentWith(FontRequest{"Arial", 16, FW_NORMAL, escapement}, "Hello");
        EXPECT_EQ(size.cx, ExtentWith(FontRequest{"Arial", 16}, "Hello").cx) << escapement;
        EXPECT_EQ(size.cy, 16);
    }
}

TEST_F(TextMetrics, TheStockSystemFontIsASixteenPixelSansFace) {
    const HDC fresh = CreateCompatibleDC(nullptr);
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(fresh, &metrics));
    EXPECT_EQ(metrics.tmHeight, 16);
    EXPECT_NEAR(metrics.tmAveCharWidth, 7, 1);
    EXPECT_GE(metrics.tmWeight, FW_SEMIBOLD);
    EXPECT_EQ(metrics.tmPitchAndFamily & 0xF0, FF_SWISS);
    DeleteDC(fresh);
}

TEST_F(TextMetrics, ExtremeSizesAreBoundedNotRefused) {
    for (const LONG height : {INT_MIN, INT_MIN + 1, -100000, 100000, INT_MAX, 1, -1}) {
        FontRequest request{"Arial", height};
        request.width = height;
        const TEXTMETRICA metrics = MetricsOf(request);
        EXPECT_GT(metrics.tmHeight, 0) << height;
        EXPECT_LE(metrics.tmHeight, 4096) << height;
        SelectedFont font(dc(), request);
        EXPECT_TRUE(Draw(dc(), 0, 0, "Hi")) << height;
    }
}

}  // namespace
}  // namespace lumenbox::win

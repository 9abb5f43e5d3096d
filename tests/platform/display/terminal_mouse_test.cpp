// Terminal mouse reports: SGR sequences parsed (broken and cut-off ones
// included), and cells mapped back to window pixels.
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "platform/display/terminal/terminal_key_parser.h"
#include "platform/display/terminal/terminal_pointer_map.h"

namespace lumenbox::display {
namespace {

using Kind = TerminalMouse::Kind;

std::vector<TerminalMouse> MiceOf(const std::vector<TerminalInput>& input) {
    std::vector<TerminalMouse> mice;
    for (const TerminalInput& item : input)
        if (item.mouse) mice.push_back(*item.mouse);
    return mice;
}

TerminalMouse Mouse(Kind kind, int button, int column, int row, int notches = 0) {
    TerminalMouse mouse;
    mouse.kind = kind;
    mouse.button = button;
    mouse.column = column;
    mouse.row = row;
    mouse.notches = notches;
    return mouse;
}

TEST(TerminalMouseReports, PressesReleasesDragsAndTheWheel) {
    TerminalKeyParser parser;
    const std::vector<TerminalMouse> got = MiceOf(parser.FeedInput(
        "\x1b[<0;10;5M\x1b[<32;11;5M\x1b[<0;11;6m\x1b[<2;1;1M\x1b[<2;1;1m\x1b[<1;3;4M\x1b[<64;7;8M\x1b[<65;7;8M"));
    const std::vector<TerminalMouse> expected{
        Mouse(Kind::Press, 1, 9, 4),   Mouse(Kind::Drag, 1, 10, 4),   Mouse(Kind::Release, 1, 10, 5),
        Mouse(Kind::Press, 2, 0, 0),   Mouse(Kind::Release, 2, 0, 0), Mouse(Kind::Press, 3, 2, 3),
        Mouse(Kind::Wheel, 0, 6, 7, 1), Mouse(Kind::Wheel, 0, 6, 7, -1)};
    EXPECT_EQ(got, expected);
}

TEST(TerminalMouseReports, ModifierBitsAreShiftAltCtrl) {
    TerminalKeyParser parser;
    const std::vector<TerminalMouse> got = MiceOf(parser.FeedInput("\x1b[<4;1;1M\x1b[<8;1;1M\x1b[<16;1;1M\x1b[<28;1;1M"));
    ASSERT_EQ(got.size(), 4u);
    EXPECT_TRUE(got[0].shift && !got[0].alt && !got[0].control);
    EXPECT_TRUE(!got[1].shift && got[1].alt && !got[1].control);
    EXPECT_TRUE(!got[2].shift && !got[2].alt && got[2].control);
    EXPECT_TRUE(got[3].shift && got[3].alt && got[3].control);
    EXPECT_EQ(got[3].button, 1);
}

TEST(TerminalMouseReports, KeysAndReportsKeepTheirOrder) {
    TerminalKeyParser parser;
    const std::vector<TerminalInput> got = parser.FeedInput("a\x1b[<0;2;3Mb");
    ASSERT_EQ(got.size(), 3u);
    EXPECT_TRUE(got[0].key.has_value());
    EXPECT_TRUE(got[1].mouse.has_value());
    EXPECT_TRUE(got[2].key.has_value());
    EXPECT_EQ(parser.Feed("\x1b[<0;2;3M").size(), 0u) << "Feed gives keys only";
}

TEST(TerminalMouseReports, AReportSplitAcrossReadsIsJoined) {
    TerminalKeyParser parser;
    EXPECT_TRUE(parser.FeedInput("\x1b[<0;1").empty());
    EXPECT_TRUE(parser.Pending());
    EXPECT_TRUE(parser.FeedInput("2;3").empty());
    EXPECT_EQ(MiceOf(parser.FeedInput("4M")), std::vector<TerminalMouse>{Mouse(Kind::Press, 1, 11, 33)});
}

TEST(TerminalMouseReports, BrokenReportsGiveNothingAndTheNextKeyStillArrives) {
    const char* const broken[] = {
        "\x1b[<0;10M",          // a coordinate missing
        "\x1b[<0;10;5;7M",      // one too many
        "\x1b[<0;0;5M",         // columns count from 1
        "\x1b[<0;10;0M",        // rows too
        "\x1b[<3;10;5M",        // a press of no button
        "\x1b[<66;10;5M",       // a sideways wheel
        "\x1b[<64;10;5m",       // a wheel released
        "\x1b[<128;10;5M",      // an extra button
        "\x1b[<0;1:2;5M",       // a colon
        "\x1b[<;;M",            // nothing at all
        "\x1b[<0;10;5X",        // another final letter
        "\x1b[<99999999999999999999;99999999999999999999;99999999999999999999M",  // huge: too long
    };
    for (const char* bytes : broken) {
        TerminalKeyParser parser;
        const std::vector<TerminalInput> got = parser.FeedInput(std::string(bytes) + "q");
        std::vector<TerminalInput> rest = parser.ExpireInput();
        std::size_t mice = MiceOf(got).size() + MiceOf(rest).size();
        EXPECT_EQ(mice, 0u) << "for " << bytes + 1;
        ASSERT_FALSE(got.empty()) << "for " << bytes + 1;
        EXPECT_TRUE(got.back().key.has_value()) << "the q after " << bytes + 1;
    }
}

TEST(TerminalMouseReports, ACutOffReportIsDroppedWhenTheLineGoesQuiet) {
    for (const char* bytes : {"\x1b[<", "\x1b[<0", "\x1b[<0;", "\x1b[<0;10;", "\x1b[<0;10;5"}) {
        TerminalKeyParser parser;
        EXPECT_TRUE(parser.FeedInput(bytes).empty()) << bytes + 1;
        EXPECT_TRUE(MiceOf(parser.ExpireInput()).empty()) << bytes + 1;
        EXPECT_FALSE(parser.Pending());
    }
}

TEST(TerminalMouseReports, EveryPrefixOfEveryByteEndsWithoutAHang) {
    // Random-looking but fixed bytes around report fragments: the parser
    // must consume them all, one call at a time, and never keep more than a
    // sequence's worth.
    const std::string noise = "\x1b[<0;1;1M\x1b[<\x1b[<32;\x1b\x1b[<64;9;9M\x1b[<0;3;3m\xff\x1b[<12;4";
    for (std::size_t split = 0; split <= noise.size(); ++split) {
        TerminalKeyParser parser;
        parser.FeedInput(noise.substr(0, split));
        parser.FeedInput(noise.substr(split));
        parser.ExpireInput();
        EXPECT_FALSE(parser.Pending());
    }
}

// ---- Cells to window pixels --------------------------------------------------

TEST(TerminalPointerMap, OnePixelPerHalfCellNamesTheUpperPixel) {
    // A 40 x 40 window in an 80 x 20 terminal: a 40-column picture from
    // column 20, two window rows per cell.
    const PictureFit fit = FitPicture(40, 40, 80, 20);
    ASSERT_EQ(fit, (PictureFit{20, 0, 40, 40}));
    EXPECT_EQ(CellToWindowPixel(fit, 40, 40, 20, 0), (WindowPoint{0, 0}));
    EXPECT_EQ(CellToWindowPixel(fit, 40, 40, 25, 3), (WindowPoint{5, 6}));
    EXPECT_EQ(CellToWindowPixel(fit, 40, 40, 59, 19), (WindowPoint{39, 38}));
}

TEST(TerminalPointerMap, ScaledPicturesMapBackToTheWindowsPixels) {
    // 640 x 480 in 120 x 40: 107 columns from column 6, 80 half-cell rows.
    const PictureFit fit = FitPicture(640, 480, 120, 40);
    ASSERT_EQ(fit, (PictureFit{6, 0, 107, 80}));
    EXPECT_EQ(CellToWindowPixel(fit, 640, 480, 6, 0), (WindowPoint{2, 3}));
    EXPECT_EQ(CellToWindowPixel(fit, 640, 480, 112, 39), (WindowPoint{637, 471}));
    // Enlarged: a 2 x 2 window shown 20 times over.
    const PictureFit big = FitPicture(2, 2, 80, 20);
    EXPECT_EQ(CellToWindowPixel(big, 2, 2, 39, 9), (WindowPoint{0, 0}));
    EXPECT_EQ(CellToWindowPixel(big, 2, 2, 40, 10), (WindowPoint{1, 1}));
}

TEST(TerminalPointerMap, CellsBesideThePictureAreOutsideTheWindow) {
    const PictureFit fit = FitPicture(640, 480, 120, 40);
    EXPECT_LT(CellToWindowPixel(fit, 640, 480, 5, 0).x, 0);
    EXPECT_GE(CellToWindowPixel(fit, 640, 480, 113, 0).x, 640);
    EXPECT_EQ(CellToWindowPixel(PictureFit{0, 0, 0, 0}, 640, 480, 5, 5), (WindowPoint{-1, -1}));
    EXPECT_EQ(CellToWindowPixel(fit, 0, 480, 5, 5), (WindowPoint{-1, -1}));
    const WindowPoint far = CellToWindowPixel(PictureFit{0, 0, 1, 1}, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_GT(far.x, 1 << 24) << "far right stays far right, not wrapped";
    EXPECT_GT(far.y, 1 << 24);
    const WindowPoint near = CellToWindowPixel(PictureFit{0, 0, 1, 1}, INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    EXPECT_LT(near.x, 0);
    EXPECT_LT(near.y, 0);
}

}  // namespace
}  // namespace lumenbox::display

// What the terminal display writes to show a surface: half-block cells in
// 24-bit colour, scaled to fit, and only the cells that changed.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/display/terminal/terminal_frame_renderer.h"

namespace lumenbox::display {
namespace {

const std::string kClear = "\x1b[0m\x1b[2J";
const std::string kBlock = "\xe2\x96\x80";
const std::string kReset = "\x1b[0m";

std::string Move(int row, int column) { return "\x1b[" + std::to_string(row) + ";" + std::to_string(column) + "H"; }

std::string Colours(int fr, int fg, int fb, int br, int bg, int bb) {
    return "\x1b[38;2;" + std::to_string(fr) + ";" + std::to_string(fg) + ";" + std::to_string(fb) + "m" +
           "\x1b[48;2;" + std::to_string(br) + ";" + std::to_string(bg) + ";" + std::to_string(bb) + "m";
}

// A surface of 2 x 2 blocks per shown pixel: each block holds `dark` in its
// upper-left pixel and `light` in the other three, so the box filter's
// average is (dark + 3 * light + 2) / 4 per channel.
std::vector<std::uint32_t> BlockSurface(const std::vector<std::uint32_t>& light, int blocksAcross, int blocksDown,
                                        std::uint32_t dark) {
    const int width = blocksAcross * 2;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * blocksDown * 2));
    for (int y = 0; y < blocksDown * 2; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t block = light[static_cast<std::size_t>((y / 2) * blocksAcross + x / 2)];
            pixels[static_cast<std::size_t>(y * width + x)] = (x % 2 == 0 && y % 2 == 0) ? dark : block;
        }
    }
    return pixels;
}

TEST(TerminalFitTest, KeepsTheWindowsProportionsAndCentres) {
    // 640 x 480 into 120 x 40 cells (120 x 80 half-cell pixels): the height limits.
    EXPECT_EQ(FitPicture(640, 480, 120, 40), (PictureFit{6, 0, 107, 80}));
    // A wide strip: the width limits, and the picture sits in the middle rows.
    EXPECT_EQ(FitPicture(100, 10, 10, 10), (PictureFit{0, 8, 10, 1}));
    // A tall one in a wide terminal: centred across.
    EXPECT_EQ(FitPicture(10, 100, 20, 10), (PictureFit{9, 0, 2, 20}));
    // Small windows are enlarged to fill the terminal.
    EXPECT_EQ(FitPicture(2, 2, 80, 20), (PictureFit{20, 0, 40, 40}));
    EXPECT_EQ(FitPicture(0, 10, 80, 24), (PictureFit{0, 0, 0, 0}));
    EXPECT_EQ(FitPicture(10, 10, 80, 0), (PictureFit{0, 0, 0, 0}));
}

TEST(TerminalFrameRendererTest, FourByEightPixelsIntoTwoByTwoCellsAverageTwoByTwoBlocks) {
    // Shown pixels, rows top-down: cell (1,1) shows p0 over p2, cell (1,2) p1 over p3, and so on.
    const std::vector<std::uint32_t> light = {0x404040, 0x800000, 0x00FF00, 0x0000FF,
                                              0x102030, 0x102030, 0xFFFFFF, 0x000000};
    const std::vector<std::uint32_t> pixels = BlockSurface(light, 2, 4, 0x000000);
    TerminalFrameRenderer renderer;
    const std::string frame = renderer.Render(pixels.data(), 4, 8, 2, 2);
    // Each average is (3 * light + 2) / 4 per channel; a colour the cell
    // before already set is not set again.
    const std::string expected = kClear + Move(1, 1) + Colours(48, 48, 48, 0, 191, 0) + kBlock +
                                 Colours(96, 0, 0, 0, 0, 191) + kBlock + Move(2, 1) +
                                 Colours(12, 24, 36, 191, 191, 191) + kBlock + "\x1b[48;2;0;0;0m" + kBlock + kReset;
    EXPECT_EQ(frame, expected);
}

TEST(TerminalFrameRendererTest, OnlyChangedCellsAreWrittenAgain) {
    std::vector<std::uint32_t> pixels(2 * 4, 0x112233);
    TerminalFrameRenderer renderer;
    ASSERT_FALSE(renderer.Render(pixels.data(), 2, 4, 2, 2).empty());
    EXPECT_EQ(renderer.Render(pixels.data(), 2, 4, 2, 2), "") << "nothing changed, nothing written";
    pixels[7] = 0xABCDEF;  // lower pixel of the lower right cell
    EXPECT_EQ(renderer.Render(pixels.data(), 2, 4, 2, 2),
              Move(2, 2) + Colours(0x11, 0x22, 0x33, 0xAB, 0xCD, 0xEF) + kBlock + kReset);
}

TEST(TerminalFrameRendererTest, ANewTerminalSizeOrClearRedrawsEverything) {
    const std::vector<std::uint32_t> pixels(2 * 2, 0x010203);
    TerminalFrameRenderer renderer;
    renderer.Render(pixels.data(), 2, 2, 2, 1);
    // Four columns, one row: the 2 x 2 picture sits one column in.
    EXPECT_EQ(renderer.Render(pixels.data(), 2, 2, 4, 1),
              kClear + Move(1, 2) + Colours(1, 2, 3, 1, 2, 3) + kBlock + kBlock + kReset);
    EXPECT_EQ(renderer.Clear(), kClear);
    EXPECT_EQ(renderer.Render(pixels.data(), 2, 2, 4, 1),
              kClear + Move(1, 2) + Colours(1, 2, 3, 1, 2, 3) + kBlock + kBlock + kReset);
}

TEST(TerminalFrameRendererTest, AnOddPictureHeightLeavesTheLastLowerHalvesBlack) {
    // 3 x 3 into 3 columns by 2 rows: three pixel rows fill one and a half cell rows.
    std::vector<std::uint32_t> pixels(9, 0xFFFFFF);
    TerminalFrameRenderer renderer;
    const std::string frame = renderer.Render(pixels.data(), 3, 3, 3, 2);
    EXPECT_EQ(frame, kClear + Move(1, 1) + Colours(255, 255, 255, 255, 255, 255) + kBlock + kBlock + kBlock +
                         Move(2, 1) + "\x1b[48;2;0;0;0m" + kBlock + kBlock + kBlock + kReset);
}

}  // namespace
}  // namespace lumenbox::display

// Long runs of changes leave exactly one object of each kind alive, and
// closing the window leaves none.
#include <cstdint>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/probes.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

using win::probe::LiveGdiObjects;

TEST_F(PaletteWindowTest, OneBrushAfterManyFillChanges) {
    for (std::uint32_t i = 0; i < 2000; ++i) {
        SetFillMode(static_cast<std::uint16_t>(i % 10), i);
        FillBar(0, 0, 4, 4);
    }
    EXPECT_EQ(LiveGdiObjects(win::OBJ_BRUSH), 1u);
}

TEST_F(PaletteWindowTest, OnePenAfterManyColourAndLineChanges) {
    for (std::uint32_t i = 0; i < 1000; ++i) {
        SetDrawColor(i);
        SetLineMode(static_cast<std::uint16_t>(i % 7), 0, 1);
    }
    EXPECT_EQ(LiveGdiObjects(win::OBJ_PEN), 1u);
}

TEST_F(PaletteWindowTest, OneFontAfterManyFontChanges) {
    for (std::uint16_t i = 0; i < 1000; ++i) SetTextFont(i % 4, i, i % 40);
    EXPECT_EQ(LiveGdiObjects(win::OBJ_FONT), 1u);
}

TEST_F(PaletteWindowTest, PatternAndClipRegionAreReplacedNotPiledUp) {
    const std::size_t bitmaps = LiveGdiObjects(win::OBJ_BITMAP);
    for (std::uint8_t i = 0; i < 200; ++i) {
        DefineFillPattern({i, i, i, i, i, i, i, i}, i);
        SetViewArea(i, i, 300, 300, true);
    }
    EXPECT_EQ(LiveGdiObjects(win::OBJ_BITMAP), bitmaps);
    EXPECT_EQ(LiveGdiObjects(win::OBJ_REGION), 1u);
    EXPECT_EQ(LiveGdiObjects(win::OBJ_BRUSH), 1u);
}

TEST_F(DrawingTest, ClosingLeavesNoDrawingObjects) {
    OpenWindow(PaletteKind);
    SetViewArea(1, 1, 50, 50, true);
    DefineFillPattern({1, 2, 3, 4, 5, 6, 7, 8}, 3);
    CloseGraphics();
    for (win::UINT type : {win::OBJ_PEN, win::OBJ_BRUSH, win::OBJ_FONT, win::OBJ_REGION, win::OBJ_BITMAP,
                           win::OBJ_PAL}) {
        EXPECT_EQ(LiveGdiObjects(type), 0u) << "object type " << type;
    }
}

}  // namespace
}  // namespace lumenbox::drawing_tests

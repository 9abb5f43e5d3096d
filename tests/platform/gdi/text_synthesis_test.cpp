// Emboldening and shearing, for faces that have no bold or italic of their
// own: made here from a regular face told to, since the fonts installed for
// the tests have every style.
#include <algorithm>

#include "platform/gdi/font_instances.h"
#include "platform/gdi/gdi_objects.h"
#include "text_test_support.h"

namespace lumenbox::win {
namespace {

using namespace detail;

// Pixels a glyph sets, and the first column of its top and bottom rows.
struct GlyphShape {
    int pixels = 0;
    int width = 0;
    int topRowStart = 0;
    int bottomRowStart = 0;
};

GlyphShape ShapeOf(const Glyph& glyph) {
    GlyphShape shape;
    shape.width = glyph.box.right - glyph.box.left;
    int top = INT_MAX, bottom = INT_MIN;
    for (const GlyphRun& run : glyph.runs) {
        shape.pixels += run.end - run.begin;
        if (run.y < top) {
            top = run.y;
            shape.topRowStart = run.begin;
        }
        if (run.y > bottom) {
            bottom = run.y;
            shape.bottomRowStart = run.begin;
        }
    }
    return shape;
}

class Synthesis : public ::testing::Test {
protected:
    void SetUp() override {
        font_ = testing::DescriptionOf(testing::FontRequest{"Arial", 32});
        GdiLock lock;
        plain_ = ResolveFace(font_.lfFaceName, false, false);
        ASSERT_NE(plain_.face, nullptr) << "fontconfig finds a face for Arial";
    }
    LOGFONTA font_{};
    ResolvedFace plain_;
};

TEST_F(Synthesis, EmboldeningWidensTheGlyphAndItsAdvance) {
    ResolvedFace emboldened = plain_;
    emboldened.embolden = true;
    GdiLock lock;
    auto regular = MakeInstance(plain_, font_);
    auto bold = MakeInstance(emboldened, font_);
    const Glyph& thin = regular->GlyphOf('l');
    const Glyph& thick = bold->GlyphOf('l');
    EXPECT_GT(thick.advance, thin.advance);
    EXPECT_GT(ShapeOf(thick).width, ShapeOf(thin).width);
    EXPECT_GT(ShapeOf(thick).pixels, ShapeOf(thin).pixels);
    EXPECT_EQ(bold->Metrics().weight, FW_BOLD);
    EXPECT_EQ(thin.box.top, thick.box.top) << "as tall as before";
}

TEST_F(Synthesis, ShearingLeansTheGlyphRightAndKeepsItsAdvance) {
    ResolvedFace sheared = plain_;
    sheared.shear = true;
    LOGFONTA italic = font_;
    italic.lfItalic = 1;
    GdiLock lock;
    auto upright = MakeInstance(plain_, font_);
    auto leaning = MakeInstance(sheared, italic);
    const GlyphShape straight = ShapeOf(upright->GlyphOf('l'));
    const GlyphShape slanted = ShapeOf(leaning->GlyphOf('l'));
    EXPECT_EQ(straight.topRowStart, straight.bottomRowStart) << "an upright stem";
    EXPECT_GT(slanted.topRowStart, slanted.bottomRowStart + 2) << "its top leans right";
    EXPECT_EQ(leaning->GlyphOf('l').advance, upright->GlyphOf('l').advance);
    EXPECT_TRUE(leaning->Metrics().italic);
}

TEST_F(Synthesis, NoFaceDrawsNothingButStillMeasures) {
    GdiLock lock;
    auto blank = MakeInstance(ResolvedFace{}, font_);
    EXPECT_TRUE(blank->GlyphOf('W').runs.empty());
    EXPECT_GT(blank->GlyphOf('W').advance, 0);
    EXPECT_EQ(blank->Metrics().ascent + blank->Metrics().descent, 32);
}

}  // namespace
}  // namespace lumenbox::win

// The drawing state every opening starts from: default palette, white on
// black, solid white fill, font 0 at size 16, the whole canvas as view area
// without clipping, copy mixing and square aspect.
#include <array>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/standard_colors.h>

#include "graph/palette.h"

namespace lumenbox {

void ResetDrawingState() {
    // The palette comes first: every later step takes its colours from the
    // standard colours, which the palette decides.
    if (GraphState.PaletteMode) {
        PaletteRecord palette{};
        FillDefaultPalette(palette);
        ReplacePalette(palette);
    } else {
        LoadStandardColors();
    }
    // Set directly: the pen is built once, by SetDrawColor, from these.
    GraphState.LineStyle = 0;
    GraphState.LinePattern = 0;
    GraphState.LineThickness = 1;
    SetDrawColor(White);
    SetBackgroundColor(Black);
    DefineFillPattern({255, 255, 255, 255, 255, 255, 255, 255}, White);
    SetFillMode(1, White);
    SetTextFont(0, 0, 16);
    SetTextAlignment(0, 0);
    SetTextSpacing(0, 0, 0, 0);
    SetViewArea(0, 0, static_cast<std::int16_t>(GraphState.MaxX), static_cast<std::int16_t>(GraphState.MaxY),
                false);
    SetMixMode(0);
    SetAspectFactors(10000, 10000);
}

}  // namespace lumenbox

// What an Ellipse, Arc or Pie call paints, gathered as two disjoint span
// sets inside the visible rectangle: the pen's pixels and the brush's.
//
// - Cosmetic pen: the outline is the ellipse's own outline (see
//   ellipse_rows.h), the brush takes the interior.
// - Wide pen: the outline is the band between the ellipse of the box grown
//   by half the width and the ellipse of that box shrunk by the width (for
//   PS_INSIDEFRAME, between the box's own ellipse and the one shrunk by the
//   width), the brush the inner ellipse. An arc gets round ends.
// - Null pen: nothing outlined; the brush fills the ellipse of the box one
//   pixel smaller to the right and below, as Rectangle does.
// Arc keeps the outline within the sweep and paints no brush. Pie keeps both
// within the sweep and adds the two radii from the centre to the arc's ends.
#pragma once

#include <lumenbox/win/types.h>

#include "platform/gdi/arc_sweep.h"
#include "platform/gdi/ellipse_rows.h"
#include "platform/gdi/pen_ink.h"
#include "platform/gdi/row_spans.h"
#include "platform/gdi/wide_strokes.h"

namespace lumenbox::win::detail {

enum class CurveKind { Ellipse, Arc, Pie };

struct CurveCover {
    RowSpans pen;    // normalised
    RowSpans brush;  // normalised, no pixel of `pen`
};

// `box` is ordered and not empty; `sweep` is null for an Ellipse. False when
// the box, grown by the pen, is too large to compute (see EllipseRows).
bool CoverCurve(CurveKind kind, const Box& box, const PenInk& ink, const ArcSweep* sweep, const RECT& visible,
                CurveCover& cover);

// Where the radial in `direction` (half pixels, y upwards) meets the ellipse
// the pen's outline is centred on.
PointF ArcEndPoint(const Box& box, const PenInk& ink, const ArcSweep& sweep, ArcSweep::Direction direction);

// The pixel nearest a point, kept within the int range.
POINT NearestPixel(PointF p);

}  // namespace lumenbox::win::detail

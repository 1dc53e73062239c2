// The drawing as an SVG picture that needs no renderer: the parallel projection of the view,
// fitted like `lsys render` frames it, on a white ground. Segments are round-capped lines as
// wide as their mean diameter (at least kMinimumStrokeWidth), leaves filled polygons stroked
// kLeafSeamStroke wide in their own colour (so that leaves sharing an edge show no seam), both
// in the palette's colours, painted from the farthest to the nearest.
#pragma once

#include <string_view>

#include "common/output.h"
#include "companion/picture/drawing.h"
#include "companion/picture/palette.h"
#include "companion/picture/view.h"

namespace lsys {

inline constexpr double kMinimumStrokeWidth = 0.6;
inline constexpr double kLeafSeamStroke = 0.6;

// Writes a width x height picture of the non-empty drawing.
void WriteSvg(const Drawing& drawing, View view, int width, int height, const Palette& palette,
              std::string_view title, Output& out);

}  // namespace lsys

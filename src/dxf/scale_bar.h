// The graphic scale bar in the left box of a title block, on the layer
// "Scale_Bar".
#pragma once

#include <string_view>

#include "dxf/drawing_sink.h"

namespace quadrel {

inline constexpr std::string_view ScaleBarLayer = "Scale_Bar";

// boxWidth: the box width in sheet inches times kx; kx, ky: the block's
// shrink factors; ft: drawing units per sheet inch for text heights; x0, y0:
// the block's lower-left corner; uh, uv: units per sheet inch for horizontal
// and vertical quantities. Writes nothing when the box is narrower than the
// shortest bar.
void WriteScaleBar(DrawingSink& sink, bool metric, double boxWidth, double kx, double ky, double ft,
                   double x0, double y0, double uh, double uv);

// Fills one half of a bar cell with horizontal lines 0.005 sheet inch
// apart, none on the half's edges.
void HatchHalfCell(DrawingSink& sink, double leftX, double baseY, double length, double halfHeight,
                   double uv);

}  // namespace quadrel

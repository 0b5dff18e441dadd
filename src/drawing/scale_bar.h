// The graphic scale bar in the left box of a title block, on the layer
// "Scale_Bar".
#pragma once

#include <string_view>

#include "drawing/drawing_sink.h"
#include "drawing/title_block_frame.h"

namespace quadrel {

inline constexpr std::string_view ScaleBarLayer = "Scale_Bar";

// Draws into the left box of the block in `frame`, 3.9 sheet inches wide
// at full size. Writes nothing when the box is narrower than the shortest
// bar.
void WriteScaleBar(DrawingSink& sink, const TitleBlockFrame& frame, bool metric);

}  // namespace quadrel

// Title block type A, 19.2 by 1.75 sheet inches, on the layer
// "Title_Block_A": scale box, revisions and approvals, company, titles.
#pragma once

#include <string_view>

#include "drawing/drawing_sink.h"
#include "drawing/title_block.h"
#include "layout/map_layout.h"

namespace quadrel {

inline constexpr std::string_view TitleBlockALayer = "Title_Block_A";

void WriteTitleBlockA(DrawingSink& sink, double borderWidthUnits, double xUnitsPerInch,
                      const MapLayout& layout, const TitleBlockTexts& texts);

}  // namespace quadrel

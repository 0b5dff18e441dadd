// Title block type B, the short form without revisions and approvals,
// 15.2 by 1.75 sheet inches, on the layer "Title_Block_B".
#pragma once

#include <string_view>

#include "drawing/drawing_sink.h"
#include "drawing/title_block.h"
#include "layout/map_layout.h"

namespace quadrel {

inline constexpr std::string_view TitleBlockBLayer = "Title_Block_B";

void WriteTitleBlockB(DrawingSink& sink, double borderWidthUnits, double xUnitsPerInch,
                      const MapLayout& layout, const TitleBlockTexts& texts);

}  // namespace quadrel

// Title block type B, the short form without revisions and approvals,
// 15.2 by 1.75 sheet inches, on the layer "Title_Block_B".
#pragma once

#include <string_view>

#include "dxf/dxf_writer.h"
#include "dxf/title_block.h"
#include "layout/map_layout.h"

namespace quadrel {

inline constexpr std::string_view TitleBlockBLayer = "Title_Block_B";

void WriteTitleBlockB(DxfWriter& writer, double borderWidthUnits, double xUnitsPerInch,
                      const MapLayout& layout, const TitleBlockTexts& texts);

}  // namespace quadrel

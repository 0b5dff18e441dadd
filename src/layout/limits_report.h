// The seven-line table of the sheet size shown after the limits are
// determined.
#pragma once

#include <array>
#include <string>

#include "layout/map_layout.h"

namespace quadrel {

inline constexpr int LimitsReportLineCount = 7;
using LimitsReport = std::array<std::string, LimitsReportLineCount>;

LimitsReport MakeLimitsReport(const MapLayout& layout, const SheetSize& sheet);

}  // namespace quadrel

// Tick marks with their labels along the grid edges: horizontal ticks on the
// left and right edges (layer "HTicks"), vertical ticks on the lower and
// upper edges (layer "VTicks").
#pragma once

#include <string_view>

#include "app/set_store.h"
#include "dxf/drawing_sink.h"

namespace quadrel {

inline constexpr std::string_view HorizontalTicksLayer = "HTicks";
inline constexpr std::string_view VerticalTicksLayer = "VTicks";

// Reads the tick values from the set's texts (ConversionError for a text
// that is no number). A spacing of 0 or less draws no ticks on its edges.
void WriteTickMarks(DrawingSink& sink, const GridSet& grid, double xUnitsPerInch,
                    double yUnitsPerInch, char decimalSeparator);

}  // namespace quadrel

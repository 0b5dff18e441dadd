// The north arrow: shaft with a curved half arrowhead, cross bar and a
// doubled letter N, four polylines on the layer "North_Arrow".
#pragma once

#include <string_view>

#include "drawing/drawing_sink.h"
#include "layout/map_layout.h"

namespace quadrel {

inline constexpr std::string_view NorthArrowLayer = "North_Arrow";

// The foot of the shaft, in drawing units, for an arrow of the given size
// factor, `distance` project units inside the map edges of the corner ("UL",
// "UR", "LR", "LL"; anything else counts as "UR"). A distance of 0 means
// half the arrow's length.
Point PlaceNorthArrow(std::string_view corner, double size, double distance,
                      const MapLayout& layout);

// The arrow rising from its foot. Writes nothing for a size of 0.
void WriteNorthArrow(DrawingSink& sink, Point foot, double unitsPerInch, double size);

}  // namespace quadrel

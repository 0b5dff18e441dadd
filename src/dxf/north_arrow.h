// The north arrow: shaft with a curved half arrowhead, cross bar and a
// doubled letter N, four polylines on the layer "North_Arrow".
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "dxf/drawing_sink.h"
#include "layout/map_layout.h"

namespace quadrel {

inline constexpr std::string_view NorthArrowLayer = "North_Arrow";

// What a shape point does: opens a polyline, continues it, or ends it.
enum class ShapeCode { Open = 1, Continue = 2, End = 3 };

struct ShapePoint {
    ShapeCode Code;
    double X;  // sheet inches, for a size factor of 1
    double Y;
};

// The arrow of size factor 1: 2.3 inches tall, 0.3 wide, shaft at x = 0.15.
extern const std::array<ShapePoint, 21> NorthArrowShape;

struct NorthArrowPlacement {
    double X0 = 0;  // the foot of the shaft, drawing units
    double Y0 = 0;
};

// The foot of the shaft for an arrow of the given size factor, `distance`
// project units inside the map edges of the corner ("UL", "UR", "LR", "LL";
// anything else counts as "UR"). A distance of 0 means half the arrow's
// length.
NorthArrowPlacement PlaceNorthArrow(std::string_view corner, double size, double distance,
                                    const MapLayout& layout);

// Writes nothing for a size of 0.
void WriteNorthArrow(DrawingSink& sink, double x0, double y0, double unitsPerInch, double size);

}  // namespace quadrel

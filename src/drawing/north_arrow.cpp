#include "drawing/north_arrow.h"

#include <array>

namespace quadrel {
namespace {

constexpr Pen NorthArrowPen{NorthArrowLayer, 3};
constexpr double ShaftX = 0.15;            // the shaft's x in the shape table
constexpr double ArrowLengthInches = 2.3;  // for a size factor of 1

// What a shape point does: opens a polyline, continues it, or ends it.
enum class ShapeCode { Open = 1, Continue = 2, End = 3 };

struct ShapePoint {
    ShapeCode Code;
    double X;  // sheet inches, for a size factor of 1
    double Y;
};

using enum ShapeCode;

// The arrow of size factor 1: 2.3 inches tall, 0.3 wide, shaft at x = 0.15.
// clang-format off
const std::array<ShapePoint, 21> NorthArrowShape{{
    {Open, 0.15, 0.0},  // shaft foot
    {Continue, 0.15, 2.3},  // arrow tip
    {Continue, 0.175, 2.071},  // head, right flank
    {Continue, 0.197, 1.925},
    {Continue, 0.225, 1.794},
    {Continue, 0.259, 1.682},
    {Continue, 0.3, 1.58},  // outer barb point
    {Continue, 0.247, 1.528},  // lower edge of the head
    {Continue, 0.217, 1.474},
    {Continue, 0.184, 1.398},
    {End, 0.15, 1.3},  // back on the shaft
    {Open, 0.0, 1.1},  // cross bar
    {End, 0.3, 1.1},
    {Open, 0.0, 0.4},  // letter N
    {Continue, 0.0, 0.8},
    {Continue, 0.3, 0.4},
    {End, 0.3, 0.8},
    {Open, 0.005, 0.4},  // the N again, slightly inset, to thicken its strokes
    {Continue, 0.005, 0.8},
    {Continue, 0.295, 0.4},
    {End, 0.295, 0.8},
}};
// clang-format on

}  // namespace

Point PlaceNorthArrow(std::string_view corner, double size, double distance,
                      const MapLayout& layout) {
    const double length = ArrowLengthInches * size * layout.XUnitsPerInch;
    const double d = distance == 0 ? 0.5 * length : distance;
    if (corner == "UL") return {layout.XMin + d, layout.YMax - d - length};
    if (corner == "LR") return {layout.XMax - d, layout.YMin + d};
    if (corner == "LL") return {layout.XMin + d, layout.YMin + d};
    return {layout.XMax - d, layout.YMax - d - length};
}

void WriteNorthArrow(DrawingSink& sink, Point foot, double unitsPerInch, double size) {
    if (size == 0) return;
    sink.WriteComment("=== North Arrow ===");
    const double k = size * unitsPerInch;
    for (const ShapePoint& point : NorthArrowShape) {
        if (point.Code == Open) sink.BeginPolyline(NorthArrowPen);
        sink.WriteVertex({foot.X + k * (point.X - ShaftX), foot.Y + k * point.Y});
        if (point.Code == End) sink.EndPolyline();
    }
}

}  // namespace quadrel

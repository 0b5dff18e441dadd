#include "dxf/drawing_sink.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quadrel {

void RefuseNonFiniteValue() {
    throw DrawingError(
        "The drawing holds a value that is not a finite number; check the "
        "scales, limits and borders of the grid set.");
}

void RequireFinite(std::initializer_list<double> values) {
    if (!std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); })) {
        RefuseNonFiniteValue();
    }
}

void DrawingSink::WriteRectangle(double x1, double y1, double x2, double y2,
                                 std::string_view layer) {
    BeginPolyline(layer);
    WriteVertex(x1, y1, 0, layer, RectangleDecimals);
    WriteVertex(x1, y2, 0, layer, RectangleDecimals);
    WriteVertex(x2, y2, 0, layer, RectangleDecimals);
    WriteVertex(x2, y1, 0, layer, RectangleDecimals);
    WriteVertex(x1, y1, 0, layer, RectangleDecimals);
    EndPolyline(layer);
}

void DrawingSink::CountEntity(std::string_view layer) {
    if (++entityCount_ <= MaxDrawingEntities) return;
    throw DrawingError(
        "The drawing would hold more than 1,000,000 entities (the limit was reached "
        "on the layer \"" +
        std::string(layer) + "\"); choose larger grid or tick spacings or smaller limits.");
}

}  // namespace quadrel

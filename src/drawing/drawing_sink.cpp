#include "drawing/drawing_sink.h"

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

void DrawingSink::WriteRectangle(std::string_view layer, Point corner, Point opposite) {
    BeginPolyline({layer, RectangleDecimals});
    for (const Point& at :
         {corner, Point{corner.X, opposite.Y}, opposite, Point{opposite.X, corner.Y}, corner}) {
        WriteVertex(at);
    }
    EndPolyline();
}

void DrawingSink::CountEntity(std::string_view layer) {
    if (++entityCount_ <= MaxDrawingEntities) return;
    throw DrawingError(
        "The drawing would hold more than 1,000,000 entities (the limit was reached "
        "on the layer \"" +
        std::string(layer) + "\"); choose larger grid or tick spacings or smaller limits.");
}

}  // namespace quadrel

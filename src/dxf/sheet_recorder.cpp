#include "dxf/sheet_recorder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace quadrel {
std::uint16_t SheetRecorder::LayerIndex(std::string_view layer) {
    // A sheet has a handful of layers.
    const auto known = std::find(layers_.begin(), layers_.end(), layer);
    if (known != layers_.end()) return static_cast<std::uint16_t>(known - layers_.begin());
    if (layers_.size() > std::numeric_limits<std::uint16_t>::max()) {
        throw DrawingError("The drawing uses more layers than a sheet can hold.");
    }
    layers_.emplace_back(layer);
    return static_cast<std::uint16_t>(layers_.size() - 1);
}

SheetEntity& SheetRecorder::Add(SheetEntityKind kind, std::string_view layer) {
    CountEntity(layer);
    polylineOpen_ = false;
    SheetEntity entity;
    entity.Kind = kind;
    entity.Layer = LayerIndex(layer);
    entity.FirstPoint = points_.size();
    return entities_.emplace_back(entity);
}

void SheetRecorder::AddPoint(double x, double y, double z) {
    points_.push_back({x, y, z});
    ++entities_.back().PointCount;
}

void SheetRecorder::WriteText(std::string_view layer, std::string_view text, double x, double y,
                              double z, int /*decimals*/, double height, double rotation) {
    RequireFinite({x, y, z, height, rotation});
    SheetEntity& entity = Add(SheetEntityKind::Text, layer);
    entity.TextStart = texts_.size();
    entity.TextLength = text.size();
    entity.Height = height;
    entity.Rotation = rotation;
    texts_ += text;
    AddPoint(x, y, z);
}

void SheetRecorder::WriteLine(double x1, double y1, double z1, double x2, double y2, double z2,
                              std::string_view layer, int /*decimals*/) {
    RequireFinite({x1, y1, z1, x2, y2, z2});
    Add(SheetEntityKind::Line, layer);
    AddPoint(x1, y1, z1);
    AddPoint(x2, y2, z2);
}

void SheetRecorder::BeginPolyline(std::string_view layer) {
    Add(SheetEntityKind::Polyline, layer);
    polylineOpen_ = true;
}

void SheetRecorder::WriteVertex(double x, double y, double z, std::string_view layer,
                                int /*decimals*/) {
    if (!polylineOpen_) throw std::logic_error("a vertex outside a polyline");
    CountEntity(layer);
    RequireFinite({x, y, z});
    AddPoint(x, y, z);
}

void SheetRecorder::EndPolyline(std::string_view /*layer*/) {
    polylineOpen_ = false;
}

void SheetRecorder::WriteComment(std::string_view text) {
    comments_.push_back({entities_.size(), std::string(text)});
}

void SheetRecorder::Clear() {
    entities_.clear();
    points_.clear();
    texts_.clear();
    layers_.clear();
    comments_.clear();
    polylineOpen_ = false;
    ResetEntityCount();
}

}  // namespace quadrel

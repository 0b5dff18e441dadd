#include "drawing/sheet_recorder.h"

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

SheetEntity& SheetRecorder::Add(SheetEntityKind kind, const Pen& pen) {
    CountEntity(pen.Layer);
    polylineOpen_ = false;
    SheetEntity entity;
    entity.Kind = kind;
    entity.Layer = LayerIndex(pen.Layer);
    entity.Decimals = pen.Decimals;
    entity.FirstPoint = points_.size();
    return entities_.emplace_back(entity);
}

void SheetRecorder::AddPoint(Point at) {
    points_.push_back({at.X, at.Y, 0});
    ++entities_.back().PointCount;
}

void SheetRecorder::WriteText(const Pen& pen, Point at, std::string_view text, double height,
                              double rotation) {
    RequireFinite({at.X, at.Y, height, rotation});
    SheetEntity& entity = Add(SheetEntityKind::Text, pen);
    entity.TextStart = texts_.size();
    entity.TextLength = text.size();
    entity.Height = height;
    entity.Rotation = rotation;
    texts_ += text;
    AddPoint(at);
}

void SheetRecorder::WriteLine(const Pen& pen, Point from, Point to) {
    RequireFinite({from.X, from.Y, to.X, to.Y});
    Add(SheetEntityKind::Line, pen);
    AddPoint(from);
    AddPoint(to);
}

void SheetRecorder::BeginPolyline(const Pen& pen) {
    Add(SheetEntityKind::Polyline, pen);
    polylineOpen_ = true;
}

void SheetRecorder::WriteVertex(Point at) {
    if (!polylineOpen_) throw std::logic_error("a vertex outside a polyline");
    CountEntity(LayerOf(entities_.back()));
    RequireFinite({at.X, at.Y});
    AddPoint(at);
}

void SheetRecorder::EndPolyline() {
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

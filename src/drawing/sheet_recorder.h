// The drawing kept in memory instead of written to a file: every entity the
// DXF writer would write, in the same order, with its layer, points and
// text, for the preview, the plots and the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing_sink.h"

namespace quadrel {

enum class SheetEntityKind : std::uint8_t { Text, Line, Polyline };

struct SheetPoint {
    double X = 0;
    double Y = 0;
    double Z = 0;  // 0: sheets are flat
};

// One entity. Its layer, points and text are held by the recorder, which
// hands them out through LayerOf, PointsOf and TextOf; a rectangle is the
// closed polyline it is drawn as.
struct SheetEntity {
    SheetEntityKind Kind = SheetEntityKind::Line;
    std::uint16_t Layer = 0;  // the recorder's number for the layer, in order of first use
    int Decimals = 0;         // of the coordinates in the file: the pen's
    // A text has one point (its insertion point), a line two, a polyline its
    // vertices.
    std::size_t FirstPoint = 0;
    std::size_t PointCount = 0;
    std::size_t TextStart = 0;
    std::size_t TextLength = 0;
    double Height = 0;    // texts only, drawing units
    double Rotation = 0;  // texts only, degrees counterclockwise
};

struct SheetComment {
    std::size_t EntitiesBefore = 0;  // where the comment stands among the entities
    std::string Text;
};

class SheetRecorder final : public DrawingSink {
public:
    // Texts are kept as given (UTF-8); coordinates unrounded, with the
    // decimals the file gives them. Like the writer, the recorder refuses a drawing past
    // MaxDrawingEntities and a value that is not finite (DrawingError); what
    // was recorded before a refusal is incomplete.
    void WriteText(const Pen& pen, Point at, std::string_view text, double height,
                   double rotation) override;
    void WriteLine(const Pen& pen, Point from, Point to) override;
    void BeginPolyline(const Pen& pen) override;
    void WriteVertex(Point at) override;
    void EndPolyline() override;
    void WriteComment(std::string_view text) override;

    // Forgets everything, ready for the next sheet.
    void Clear();

    const std::vector<SheetEntity>& Entities() const { return entities_; }
    const std::vector<SheetComment>& Comments() const { return comments_; }

    std::string_view LayerOf(const SheetEntity& entity) const { return layers_[entity.Layer]; }
    std::span<const SheetPoint> PointsOf(const SheetEntity& entity) const {
        return std::span<const SheetPoint>(points_).subspan(entity.FirstPoint, entity.PointCount);
    }
    std::string_view TextOf(const SheetEntity& entity) const {
        return std::string_view(texts_).substr(entity.TextStart, entity.TextLength);
    }

private:
    SheetEntity& Add(SheetEntityKind kind, const Pen& pen);
    void AddPoint(Point at);
    std::uint16_t LayerIndex(std::string_view layer);

    std::vector<SheetEntity> entities_;
    std::vector<SheetPoint> points_;
    std::string texts_;  // the texts of all text entities, one after another
    std::vector<std::string> layers_;
    std::vector<SheetComment> comments_;
    bool polylineOpen_ = false;
};

}  // namespace quadrel

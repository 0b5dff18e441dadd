#include "gui/sheet_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <set>
#include <span>
#include <tuple>
#include <vector>

#include "gui/qt_text.h"

namespace quadrel {
namespace {

// The font is set once at this pixel size and scaled to each text: Qt then
// draws the outlines, which stay smooth at every zoom.
constexpr double ReferencePixelSize = 100.0;
// Below this height on the device a text cannot be read, and its glyphs
// would cost as much as a readable one.
constexpr double SmallestReadablePixels = 2.5;
// The widest character in text heights, for the bounds of a text; and an
// average one, for the stroke that stands for a text too small to read.
constexpr double CharacterWidthPerHeight = 0.9;
constexpr double AverageCharacterWidthPerHeight = 0.55;

struct TextFont {
    QFont Font;
    double CapHeight = 1.0;
};

const TextFont& SheetFont() {
    static const TextFont font = [] {
        TextFont made;
        made.Font = QFont(QStringLiteral("DejaVu Sans"));
        made.Font.setStyleHint(QFont::SansSerif);
        made.Font.setPixelSize(static_cast<int>(ReferencePixelSize));
        made.Font.setHintingPreference(QFont::PreferNoHinting);
        made.Font.setKerning(false);
        const double cap = QFontMetricsF(made.Font).capHeight();
        made.CapHeight = cap > 0 ? cap : ReferencePixelSize * 0.72;
        return made;
    }();
    return font;
}

// The drawing-unit rectangle the painter can show: the clip if there is one,
// else the whole device.
QRectF VisibleDrawingRect(const QPainter& painter, const QTransform& toDevice) {
    QRectF device;
    if (painter.hasClipping()) device = painter.clipBoundingRect();
    if (device.isEmpty() && painter.device() != nullptr) {
        device = QRectF(0, 0, painter.device()->width(), painter.device()->height());
    }
    bool invertible = false;
    const QTransform toDrawing = toDevice.inverted(&invertible);
    if (!invertible) return {};
    return toDrawing.mapRect(device);
}

bool Overlaps(double xMin, double yMin, double xMax, double yMax, const QRectF& visible) {
    return xMax >= visible.left() && xMin <= visible.right() && yMax >= visible.top() &&
           yMin <= visible.bottom();
}

// Quick enough to draw as they come; above this, coincident lines are merged.
constexpr std::size_t ManyLines = 4000;

void RemoveCoincidentLines(std::vector<QLineF>& lines) {
    const auto pixel = [](double v) {
        return static_cast<std::int32_t>(std::lround(std::clamp(v, -1e9, 1e9)));
    };
    using Key = std::array<std::int32_t, 4>;
    std::vector<std::pair<Key, std::size_t>> keyed;
    keyed.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QLineF& line = lines[i];
        Key ends{pixel(line.x1()), pixel(line.y1()), pixel(line.x2()), pixel(line.y2())};
        // The same segment drawn either way round.
        if (std::tie(ends[2], ends[3]) < std::tie(ends[0], ends[1])) {
            std::swap(ends[0], ends[2]);
            std::swap(ends[1], ends[3]);
        }
        keyed.emplace_back(ends, i);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<QLineF> kept;
    kept.reserve(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].first != keyed[i - 1].first) kept.push_back(lines[keyed[i].second]);
    }
    lines.swap(kept);
}

// Font units (y downwards, baseline at 0) to drawing units for one text.
QTransform TextFrame(const SheetPoint& at, double height, double rotationDegrees) {
    const double radians = rotationDegrees * std::numbers::pi / 180.0;
    const double s = height / SheetFont().CapHeight;
    const double c = std::cos(radians) * s;
    const double n = std::sin(radians) * s;
    return QTransform(c, n, n, -c, at.X, at.Y);
}

// Where the sheet is painted: drawing units to device pixels, the part of
// the drawing in view, and device pixels per drawing unit.
struct DeviceView {
    QTransform ToDevice;
    QRectF Visible;
    double PixelsPerUnit = 1.0;
};

// What one pass over the entities leaves to draw at its end: the lines in
// one call, then the texts over them.
struct PaintBatch {
    std::vector<QLineF> Lines;
    std::vector<const SheetEntity*> Texts;
    // One buffer for every polyline, drawn as it comes.
    std::vector<QPointF> Polyline;
};

void CollectText(const SheetEntity& entity, const SheetPoint& at, const DeviceView& view,
                 PaintBatch& batch) {
    const double reach = std::abs(entity.Height) *
                         (1.0 + CharacterWidthPerHeight * static_cast<double>(entity.TextLength));
    if (!Overlaps(at.X - reach, at.Y - reach, at.X + reach, at.Y + reach, view.Visible)) return;
    if (std::abs(entity.Height) * view.PixelsPerUnit >= SmallestReadablePixels) {
        batch.Texts.push_back(&entity);
        return;
    }
    // Too small to read: a stroke along the baseline shows where it is,
    // unless even that would be under a pixel long.
    const double radians = entity.Rotation * std::numbers::pi / 180.0;
    const double length = std::abs(entity.Height) * AverageCharacterWidthPerHeight *
                          static_cast<double>(entity.TextLength);
    if (length * view.PixelsPerUnit < 1.0) return;
    batch.Lines.emplace_back(view.ToDevice.map(QPointF(at.X, at.Y)),
                             view.ToDevice.map(QPointF(at.X + std::cos(radians) * length,
                                                       at.Y + std::sin(radians) * length)));
}

// A line waits for the others; a polyline is drawn at once.
void PaintOrCollectShape(QPainter& painter, std::span<const SheetPoint> points,
                         const DeviceView& view, PaintBatch& batch) {
    double xMin = points.front().X, xMax = xMin, yMin = points.front().Y, yMax = yMin;
    for (const SheetPoint& p : points) {
        xMin = std::min(xMin, p.X);
        xMax = std::max(xMax, p.X);
        yMin = std::min(yMin, p.Y);
        yMax = std::max(yMax, p.Y);
    }
    if (!Overlaps(xMin, yMin, xMax, yMax, view.Visible)) return;
    if (points.size() == 2) {
        batch.Lines.emplace_back(view.ToDevice.map(QPointF(points[0].X, points[0].Y)),
                                 view.ToDevice.map(QPointF(points[1].X, points[1].Y)));
        return;
    }
    std::vector<QPointF>& polyline = batch.Polyline;
    polyline.clear();
    for (const SheetPoint& p : points) polyline.push_back(view.ToDevice.map(QPointF(p.X, p.Y)));
    painter.drawPolyline(polyline.data(), static_cast<int>(polyline.size()));
}

// The smallest outline of a conflict's place on the device, in pixels.
constexpr double SmallestConflictMark = 9.0;
const QColor ConflictColour(220, 0, 0);

}  // namespace

QTransform FitSheet(const SheetExtents& extents, const QRectF& target) {
    const double width = extents.XMax - extents.XMin;
    const double height = extents.YMax - extents.YMin;
    if (!(width > 0) || !(height > 0) || target.isEmpty()) return {};
    const double scale = std::min(target.width() / width, target.height() / height);
    const double left = target.left() + (target.width() - width * scale) / 2;
    const double top = target.top() + (target.height() - height * scale) / 2;
    return QTransform(scale, 0, 0, -scale, left - extents.XMin * scale, top + extents.YMax * scale);
}

QTransform StretchSheet(const SheetExtents& extents, const QRectF& target) {
    const double width = extents.XMax - extents.XMin;
    const double height = extents.YMax - extents.YMin;
    if (!(width > 0) || !(height > 0) || target.isEmpty()) return {};
    const double sx = target.width() / width;
    const double sy = target.height() / height;
    return QTransform(sx, 0, 0, -sy, target.left() - extents.XMin * sx,
                      target.top() + extents.YMax * sy);
}

void PaintSheet(QPainter& painter, const SheetRecorder& sheet, const SheetExtents& extents,
                const QTransform& toDevice, const SheetPaintStyle& style) {
    painter.save();
    painter.setTransform(QTransform());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(toDevice.mapRect(QRectF(QPointF(extents.XMin, extents.YMin),
                                             QPointF(extents.XMax, extents.YMax))),
                     style.Paper);

    // Device units per drawing unit, the mean of the two axes.
    const DeviceView view{toDevice, VisibleDrawingRect(painter, toDevice),
                          std::sqrt(std::abs(toDevice.determinant()))};
    QPen pen(style.Ink);
    pen.setCosmetic(true);
    pen.setWidthF(0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    PaintBatch batch;
    for (const SheetEntity& entity : sheet.Entities()) {
        const auto points = sheet.PointsOf(entity);
        if (points.empty()) continue;
        if (entity.Kind == SheetEntityKind::Text) {
            CollectText(entity, points.front(), view, batch);
        } else {
            PaintOrCollectShape(painter, points, view, batch);
        }
    }
    // Many lines on few pixels (a dense grid seen whole) mostly fall on each
    // other: those that meet the same pixels are drawn once.
    std::vector<QLineF>& lines = batch.Lines;
    if (lines.size() > ManyLines) RemoveCoincidentLines(lines);
    // One call for all lines: a dense grid costs one pass of the rasteriser.
    if (!lines.empty()) painter.drawLines(lines.data(), static_cast<int>(lines.size()));

    const TextFont& font = SheetFont();
    painter.setFont(font.Font);
    for (const SheetEntity* text : batch.Texts) {
        const SheetEntity& entity = *text;
        painter.setTransform(
            TextFrame(sheet.PointsOf(entity).front(), entity.Height, entity.Rotation) * toDevice);
        painter.drawText(QPointF(0, 0), ToQString(sheet.TextOf(entity)));
    }
    painter.restore();
}

void PaintConflicts(QPainter& painter, const SheetRecorder& sheet,
                    const std::vector<SheetConflict>& conflicts, const QTransform& toDevice) {
    painter.save();
    painter.setTransform(QTransform());
    const QRectF visible = VisibleDrawingRect(painter, toDevice);
    std::vector<QLineF> lines;
    std::vector<QRectF> places;
    // Marks that would fall on each other (a dense sheet seen whole) are
    // drawn once.
    std::set<std::array<std::int64_t, 4>> marked;
    const auto cell = [](double v) {
        return static_cast<std::int64_t>(std::floor(std::clamp(v, -1e9, 1e9) / 4));
    };
    for (const SheetConflict& conflict : conflicts) {
        const SheetExtents& region = conflict.Region;
        if (!Overlaps(region.XMin, region.YMin, region.XMax, region.YMax, visible)) continue;
        QRectF place = toDevice.mapRect(
            QRectF(QPointF(region.XMin, region.YMin), QPointF(region.XMax, region.YMax)));
        const QPointF middle = place.center();
        place.setWidth(std::max(place.width(), SmallestConflictMark));
        place.setHeight(std::max(place.height(), SmallestConflictMark));
        place.moveCenter(middle);
        if (!marked
                 .insert({cell(middle.x()), cell(middle.y()), cell(place.width()),
                          cell(place.height())})
                 .second) {
            continue;
        }
        places.push_back(place);
        if (conflict.First.Kind != SheetItemKind::Text ||
            conflict.FirstEntity >= sheet.Entities().size()) {
            continue;
        }
        const auto outline = TextOutline(sheet, sheet.Entities()[conflict.FirstEntity]);
        if (!outline) continue;
        QPolygonF box;
        for (const SheetPoint& p : *outline) box << toDevice.map(QPointF(p.X, p.Y));
        // A box no larger than the mark adds nothing to it.
        const QRectF bounds = box.boundingRect();
        if (std::max(bounds.width(), bounds.height()) <= SmallestConflictMark) continue;
        for (qsizetype k = 0; k < box.size(); ++k)
            lines.emplace_back(box[k], box[(k + 1) % box.size()]);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(ConflictColour);
    pen.setCosmetic(true);
    pen.setWidthF(2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (!lines.empty()) painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    if (!places.empty()) painter.drawRects(places.data(), static_cast<int>(places.size()));
    painter.restore();
}

}  // namespace quadrel

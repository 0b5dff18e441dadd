#include "drawing/sheet_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <tuple>
#include <utility>

#include "drawing/box_index.h"
#include "drawing/grid.h"
#include "drawing/north_arrow.h"
#include "drawing/sheet_geometry.h"
#include "drawing/text_ink.h"
#include "drawing/title_block_a.h"
#include "drawing/title_block_b.h"

namespace quadrel {
namespace {

constexpr double MillimetresPerInch = 25.4;
// Below these, boxes that meet only touch: no ink is shared.
constexpr double LeastOverlapArea = 1e-6;  // square inches
// Lines are inked as wide as a plotter's fine pen: a text whose ink comes
// within half of this of a line's middle meets the line.
constexpr double LineWidthInches = 0.35 / MillimetresPerInch;
// Bold texts are printed as copies a twentieth of their height apart;
// copies closer than this many heights count as one text.
constexpr double BoldShiftPerHeight = 0.25;
// The grid's closed borders have five vertices; its cutting marks three.
constexpr std::size_t ClosedOutlineVertices = 5;

// Drawing units to sheet inches from the sheet's lower-left corner; each
// axis has its own scale.
struct PaperFrame {
    double X0 = 0, Y0 = 0, XUnits = 1, YUnits = 1;
    double Width = 0, Height = 0;

    PlanePoint ToPaper(const SheetPoint& p) const {
        return {(p.X - X0) / XUnits, (p.Y - Y0) / YUnits};
    }
    SheetPoint ToDrawing(PlanePoint p) const { return {X0 + p.X * XUnits, Y0 + p.Y * YUnits, 0}; }
    SheetExtents ToDrawing(const Bounds& b) const {
        const SheetPoint low = ToDrawing(PlanePoint{b.X0, b.Y0});
        const SheetPoint high = ToDrawing(PlanePoint{b.X1, b.Y1});
        return {low.X, low.Y, high.X, high.Y};
    }
};

// What the check looks at: a text's box, or one segment of a rule, the
// arrow or a border as a strip of the line's width. The segments of the
// arrow, or of one polyline, share an owner, so that a text meeting several
// of them is one conflict.
struct CheckedItem {
    bool IsText = false;
    SheetItemKind Kind = SheetItemKind::Text;
    std::size_t Owner = 0;  // the entity, or for the arrow its first entity
    Quad Corners{};         // counter-clockwise
    Bounds Box;
};

// What a line or polyline is to the check; nothing for the lines it does
// not look at (grid lines, ticks, cutting marks, the scale bar).
std::optional<SheetItemKind> LineKind(std::string_view layer, std::size_t vertices) {
    if (layer == NorthArrowLayer) return SheetItemKind::NorthArrow;
    if (layer == TitleBlockALayer || layer == TitleBlockBLayer) {
        return SheetItemKind::TitleBlockRule;
    }
    if (layer == GridLayer && vertices >= ClosedOutlineVertices) return SheetItemKind::GridBorder;
    return std::nullopt;
}

}  // namespace

std::optional<std::array<SheetPoint, 4>> TextOutline(const SheetRecorder& sheet,
                                                     const SheetEntity& entity) {
    const TextInk ink = InkOfText(sheet.TextOf(entity));
    if (!(ink.Right > ink.Left) || !(entity.Height > 0)) return std::nullopt;
    const double radians = entity.Rotation * std::numbers::pi / 180.0;
    const double h = entity.Height;
    const SheetPoint at = sheet.PointsOf(entity).front();
    const double cx = std::cos(radians) * h, sx = std::sin(radians) * h;
    const auto corner = [&](double along, double up) {
        return SheetPoint{at.X + cx * along - sx * up, at.Y + sx * along + cx * up, 0};
    };
    return std::array<SheetPoint, 4>{corner(ink.Left, ink.Bottom), corner(ink.Right, ink.Bottom),
                                     corner(ink.Right, ink.Top), corner(ink.Left, ink.Top)};
}

namespace {

// A line's ink on paper: a strip of the line's width along it; nothing for
// a line of no length.
std::optional<Quad> LineStrip(PlanePoint a, PlanePoint b) {
    const double length = std::hypot(b.X - a.X, b.Y - a.Y);
    if (!(length > 0)) return std::nullopt;
    const double nx = -(b.Y - a.Y) / length * LineWidthInches / 2;
    const double ny = (b.X - a.X) / length * LineWidthInches / 2;
    return Quad{
        {{a.X - nx, a.Y - ny}, {b.X - nx, b.Y - ny}, {b.X + nx, b.Y + ny}, {a.X + nx, a.Y + ny}}};
}

SheetItem TextItem(const SheetRecorder& sheet, const SheetEntity& entity) {
    return {SheetItemKind::Text, std::string(sheet.LayerOf(entity)),
            std::string(sheet.TextOf(entity))};
}

// Where a box reaches past the sheet: the bounds of the part outside.
std::optional<Bounds> OutsidePart(const Bounds& box, const PaperFrame& paper) {
    std::optional<Bounds> outside;
    const auto add = [&](Bounds part) {
        if (part.X0 >= part.X1 || part.Y0 >= part.Y1) return;
        if (!outside) {
            outside = part;
            return;
        }
        outside = Bounds{std::min(outside->X0, part.X0), std::min(outside->Y0, part.Y0),
                         std::max(outside->X1, part.X1), std::max(outside->Y1, part.Y1)};
    };
    if (box.X0 < 0) add({box.X0, box.Y0, std::min(box.X1, 0.0), box.Y1});
    if (box.X1 > paper.Width) add({std::max(box.X0, paper.Width), box.Y0, box.X1, box.Y1});
    if (box.Y0 < 0) add({box.X0, box.Y0, box.X1, std::min(box.Y1, 0.0)});
    if (box.Y1 > paper.Height) add({box.X0, std::max(box.Y0, paper.Height), box.X1, box.Y1});
    return outside;
}

// A conflict as the check finds it: small, so that a sheet of many
// conflicts is sorted and kept cheaply; its names are looked up at the end.
struct Found {
    std::size_t First = 0;   // the entity
    std::size_t Second = 0;  // the entity, or First when Second is no item
    ConflictKind Kind = ConflictKind::Over;
    SheetItemKind FirstKind = SheetItemKind::Text;
    SheetItemKind SecondKind = SheetItemKind::Text;
    Bounds Where;  // sheet inches
    double Millimetres = 0;
};

// The paper height of a text: its height along the direction it stands up
// in, each axis at its own scale.
double PaperHeight(const SheetEntity& entity, const PaperFrame& paper) {
    const double radians = entity.Rotation * std::numbers::pi / 180.0;
    return entity.Height *
           std::hypot(std::sin(radians) / paper.XUnits, std::cos(radians) / paper.YUnits);
}

// Walks a recorded sheet once for its items and the conflicts of each
// alone, then tests the pairs the index finds.
class SheetChecker {
public:
    SheetChecker(const SheetRecorder& sheet, const PaperFrame& paper)
        : sheet_(sheet), paper_(paper) {}

    std::vector<SheetConflict> Run();

private:
    void AddText(std::size_t index, const SheetEntity& entity);
    void AddSegments(std::size_t owner, const SheetEntity& entity, SheetItemKind kind);
    void CheckArrowOnSheet();
    void CheckPair(std::size_t i, std::size_t j);
    void CheckTexts(const CheckedItem& a, const CheckedItem& b);
    void CheckTextOverLine(const CheckedItem& text, const CheckedItem& line);
    bool AreBoldCopies(const CheckedItem& a, const CheckedItem& b) const;
    void ReportLineHits();
    SheetItem ItemOf(std::size_t entity, SheetItemKind kind) const;
    SheetConflict Named(const Found& found) const;

    const SheetRecorder& sheet_;
    PaperFrame paper_;
    std::vector<CheckedItem> items_;
    // A text meeting several segments of one owner: the bounds of it all.
    std::map<std::pair<std::size_t, std::size_t>, std::pair<Bounds, SheetItemKind>> lineHits_;
    std::optional<Bounds> arrow_;
    std::size_t arrowOwner_ = 0;
    std::vector<Found> found_;
};

SheetItem SheetChecker::ItemOf(std::size_t entity, SheetItemKind kind) const {
    if (kind != SheetItemKind::Text) return {kind, {}, {}};
    return TextItem(sheet_, sheet_.Entities()[entity]);
}

SheetConflict SheetChecker::Named(const Found& found) const {
    SheetConflict conflict;
    conflict.Kind = found.Kind;
    conflict.First = ItemOf(found.First, found.FirstKind);
    if (found.Kind != ConflictKind::TooSmall)
        conflict.Second = ItemOf(found.Second, found.SecondKind);
    conflict.FirstEntity = found.First;
    conflict.X = (found.Where.X0 + found.Where.X1) / 2;
    conflict.Y = (found.Where.Y0 + found.Where.Y1) / 2;
    conflict.Width = found.Where.Width();
    conflict.Height = found.Where.Height();
    conflict.TextMillimetres = found.Millimetres;
    conflict.Region = paper_.ToDrawing(found.Where);
    return conflict;
}

void SheetChecker::AddText(std::size_t index, const SheetEntity& entity) {
    const auto drawn = TextOutline(sheet_, entity);
    if (!drawn) return;
    CheckedItem item;
    item.IsText = true;
    item.Owner = index;
    for (std::size_t c = 0; c < drawn->size(); ++c) item.Corners[c] = paper_.ToPaper((*drawn)[c]);
    item.Box = BoundsOf(item.Corners);
    items_.push_back(item);

    const double height = PaperHeight(entity, paper_) * MillimetresPerInch;
    if (height < SmallestTextMillimetres) {
        const PlanePoint at = paper_.ToPaper(sheet_.PointsOf(entity).front());
        found_.push_back({index,
                          index,
                          ConflictKind::TooSmall,
                          SheetItemKind::Text,
                          SheetItemKind::Sheet,
                          {at.X, at.Y, at.X, at.Y},
                          height});
    }
    if (const auto outside = OutsidePart(item.Box, paper_)) {
        found_.push_back({index, index, ConflictKind::Outside, SheetItemKind::Text,
                          SheetItemKind::Sheet, *outside});
    }
}

void SheetChecker::AddSegments(std::size_t owner, const SheetEntity& entity, SheetItemKind kind) {
    const auto points = sheet_.PointsOf(entity);
    for (std::size_t i = 1; i < points.size(); ++i) {
        CheckedItem item;
        item.Kind = kind;
        item.Owner = owner;
        const auto strip = LineStrip(paper_.ToPaper(points[i - 1]), paper_.ToPaper(points[i]));
        if (!strip) continue;
        item.Corners = *strip;
        item.Box = BoundsOf(item.Corners);
        items_.push_back(item);
        if (kind == SheetItemKind::NorthArrow) {
            arrow_ =
                arrow_
                    ? Bounds{std::min(arrow_->X0, item.Box.X0), std::min(arrow_->Y0, item.Box.Y0),
                             std::max(arrow_->X1, item.Box.X1), std::max(arrow_->Y1, item.Box.Y1)}
                    : item.Box;
        }
    }
}

void SheetChecker::CheckArrowOnSheet() {
    if (!arrow_) return;
    const auto outside = OutsidePart(*arrow_, paper_);
    if (!outside) return;
    found_.push_back({arrowOwner_, arrowOwner_, ConflictKind::Outside, SheetItemKind::NorthArrow,
                      SheetItemKind::Sheet, *outside});
}

// The copies that print a text bold: the same text, layer, height and
// turn, each shifted a little along the baseline.
bool SheetChecker::AreBoldCopies(const CheckedItem& a, const CheckedItem& b) const {
    const SheetEntity& ea = sheet_.Entities()[a.Owner];
    const SheetEntity& eb = sheet_.Entities()[b.Owner];
    if (ea.Layer != eb.Layer || ea.Height != eb.Height || ea.Rotation != eb.Rotation ||
        sheet_.TextOf(ea) != sheet_.TextOf(eb)) {
        return false;
    }
    const SheetPoint pa = sheet_.PointsOf(ea).front();
    const SheetPoint pb = sheet_.PointsOf(eb).front();
    return std::hypot(pa.X - pb.X, pa.Y - pb.Y) <= BoldShiftPerHeight * ea.Height;
}

void SheetChecker::CheckTexts(const CheckedItem& a, const CheckedItem& b) {
    if (AreBoldCopies(a, b)) return;
    const std::vector<PlanePoint> shared = ClipConvex(a.Corners, b.Corners);
    if (shared.size() < 3 || AreaOf(shared) < LeastOverlapArea) return;
    found_.push_back({a.Owner, b.Owner, ConflictKind::Over, SheetItemKind::Text,
                      SheetItemKind::Text, BoundsOf(shared)});
}

void SheetChecker::CheckTextOverLine(const CheckedItem& text, const CheckedItem& line) {
    const std::vector<PlanePoint> shared = ClipConvex(line.Corners, text.Corners);
    if (shared.size() < 3 || AreaOf(shared) < LeastOverlapArea) return;
    const Bounds where = BoundsOf(shared);
    const auto key = std::make_pair(text.Owner, line.Owner);
    auto [hit, added] = lineHits_.try_emplace(key, where, line.Kind);
    if (!added) {
        Bounds& all = hit->second.first;
        all = {std::min(all.X0, where.X0), std::min(all.Y0, where.Y0), std::max(all.X1, where.X1),
               std::max(all.Y1, where.Y1)};
    }
}

void SheetChecker::CheckPair(std::size_t i, std::size_t j) {
    const CheckedItem& a = items_[i];
    const CheckedItem& b = items_[j];
    if (a.IsText && b.IsText) {
        CheckTexts(a, b);
    } else if (a.IsText) {
        CheckTextOverLine(a, b);
    } else if (b.IsText) {
        CheckTextOverLine(b, a);
    }
}

void SheetChecker::ReportLineHits() {
    for (const auto& [owners, hit] : lineHits_) {
        found_.push_back({owners.first, owners.second, ConflictKind::Over, SheetItemKind::Text,
                          hit.second, hit.first});
    }
}

std::vector<SheetConflict> SheetChecker::Run() {
    const auto& entities = sheet_.Entities();
    bool arrowSeen = false;
    for (std::size_t index = 0; index < entities.size(); ++index) {
        const SheetEntity& entity = entities[index];
        if (entity.Kind == SheetEntityKind::Text) {
            AddText(index, entity);
            continue;
        }
        const auto kind = LineKind(sheet_.LayerOf(entity), entity.PointCount);
        if (!kind) continue;
        if (*kind == SheetItemKind::NorthArrow && !std::exchange(arrowSeen, true)) {
            arrowOwner_ = index;
        }
        AddSegments(*kind == SheetItemKind::NorthArrow ? arrowOwner_ : index, entity, *kind);
    }
    CheckArrowOnSheet();

    std::vector<Bounds> boxes;
    std::vector<double> textSizes;
    boxes.reserve(items_.size());
    for (const CheckedItem& item : items_) {
        boxes.push_back(item.Box);
        if (item.IsText) textSizes.push_back(std::max(item.Box.Width(), item.Box.Height()));
    }
    double cellSize = 1.0;
    if (!textSizes.empty()) {
        auto middle = textSizes.begin() + static_cast<std::ptrdiff_t>(textSizes.size() / 2);
        std::nth_element(textSizes.begin(), middle, textSizes.end());
        cellSize = *middle;
    }
    ForEachOverlappingPair(boxes, cellSize,
                           [this](std::size_t i, std::size_t j) { CheckPair(i, j); });
    ReportLineHits();

    std::stable_sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) {
        return std::tie(a.First, a.Second) < std::tie(b.First, b.Second);
    });
    std::vector<SheetConflict> conflicts;
    conflicts.reserve(found_.size());
    for (const Found& found : found_) conflicts.push_back(Named(found));
    return conflicts;
}

}  // namespace

std::vector<SheetConflict> CheckSheet(const SheetRecorder& sheet, const MapLayout& layout) {
    PaperFrame paper;
    paper.X0 = layout.PlotXMin;
    paper.Y0 = layout.PlotYMin;
    paper.XUnits = layout.XUnitsPerInch;
    paper.YUnits = layout.YUnitsPerInch;
    if (!(paper.XUnits > 0) || !(paper.YUnits > 0) || !std::isfinite(paper.XUnits) ||
        !std::isfinite(paper.YUnits)) {
        return {};
    }
    paper.Width = (layout.PlotXMax - layout.PlotXMin) / paper.XUnits;
    paper.Height = (layout.PlotYMax - layout.PlotYMin) / paper.YUnits;
    return SheetChecker(sheet, paper).Run();
}

}  // namespace quadrel

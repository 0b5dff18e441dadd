#include "drawing/drawing.h"

#include <string>

#include "drawing/grid.h"
#include "drawing/north_arrow.h"
#include "drawing/sheet.h"
#include "drawing/tick_marks.h"
#include "drawing/title_block_a.h"
#include "drawing/title_block_b.h"

namespace quadrel {
namespace {

// The axis titles and cutting marks are placed to a tenth of a unit.
constexpr int GridTitleDecimals = 1;

void WriteTitleBlock(DrawingSink& sink, const DrawingInput& input) {
    const MapLayout& layout = input.Layout;
    const TitleBlockTexts texts{input.Title, input.Date, input.FileName, input.DecimalSeparator};
    if (input.TitleBlock == TitleBlockChoice::TypeA) {
        WriteTitleBlockA(sink, layout.BorderWidthUnits, layout.XUnitsPerInch, layout, texts);
    } else if (input.TitleBlock == TitleBlockChoice::TypeB) {
        WriteTitleBlockB(sink, layout.BorderWidthUnits, layout.XUnitsPerInch, layout, texts);
    }
}

void WritePlacedNorthArrow(DrawingSink& sink, const Sheet& sheet, const MapLayout& layout) {
    if (!(sheet.NorthArrowSize > 0)) return;
    const Point foot = PlaceNorthArrow(sheet.NorthArrowCorner, sheet.NorthArrowSize,
                                       sheet.NorthArrowDistance, layout);
    WriteNorthArrow(sink, foot, layout.XUnitsPerInch, sheet.NorthArrowSize);
}

// Keeps nothing; refuses what the writer and the recorder refuse.
class SheetCheckSink final : public DrawingSink {
public:
    void WriteText(const Pen& pen, Point at, std::string_view /*text*/, double height,
                   double rotation) override {
        RequireFinite({at.X, at.Y, height, rotation});
        CountEntity(pen.Layer);
    }
    void WriteLine(const Pen& pen, Point from, Point to) override {
        RequireFinite({from.X, from.Y, to.X, to.Y});
        CountEntity(pen.Layer);
    }
    void BeginPolyline(const Pen& pen) override {
        polylineLayer_ = pen.Layer;
        CountEntity(polylineLayer_);
    }
    void WriteVertex(Point at) override {
        CountEntity(polylineLayer_);
        RequireFinite({at.X, at.Y});
    }
    void EndPolyline() override {}
    void WriteComment(std::string_view /*text*/) override {}

private:
    std::string polylineLayer_;  // named when a vertex passes the limit
};

}  // namespace

SheetExtents ExtentsOf(const MapLayout& layout) {
    return {layout.PlotXMin, layout.PlotYMin, layout.PlotXMax, layout.PlotYMax};
}

void DrawSheet(DrawingSink& sink, const DrawingInput& input) {
    // Every number is read before the first entity is drawn.
    const Sheet sheet = ReadSheet(input.Grid, input.DecimalSeparator);
    WriteTitleBlock(sink, input);
    WriteGrid(sink, sheet.Grid, input.Layout, GridTitleDecimals);
    WritePlacedNorthArrow(sink, sheet, input.Layout);
    WriteTickMarks(sink, sheet, input.Layout);
}

void CheckSheet(const DrawingInput& input) {
    const SheetExtents extents = ExtentsOf(input.Layout);
    RequireFinite({extents.XMin, extents.YMin, extents.XMax, extents.YMax});
    SheetCheckSink sink;
    DrawSheet(sink, input);
}

}  // namespace quadrel

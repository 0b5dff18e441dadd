#include "layout/map_layout.h"

#include <cmath>
#include <string>

namespace quadrel {
namespace {

// Everything downstream (the report, the DXF header, the drawing loops)
// assumes finite numbers, so an overflow is refused here, where it can still
// be named.
void RequireFinite(double value, std::string_view what) {
    if (std::isfinite(value)) return;
    throw LayoutOverflowError("Cannot determine the map limits: the " + std::string(what) +
                              " is not a finite number (check the limits, scales, border "
                              "and cutting borders).");
}

// The edges of the bordered grid, in project units.
struct Edges {
    double Left, Right, Bottom, Top;
};

Edges PlaceBorder(MapLayout& next) {
    const Edges edges{next.XMin - next.XUnitsPerInch * next.BorderSize,
                      next.XMax + next.XUnitsPerInch * next.BorderSize,
                      next.YMin - next.YUnitsPerInch * next.BorderSize,
                      next.YMax + next.YUnitsPerInch * next.BorderSize};
    next.BorderXMin = edges.Left;
    next.BorderYMin = edges.Bottom;
    next.BorderWidthUnits = edges.Right - edges.Left;
    RequireFinite(edges.Left, "left edge of the border");
    RequireFinite(edges.Right, "right edge of the border");
    RequireFinite(edges.Bottom, "bottom edge of the border");
    RequireFinite(edges.Top, "top edge of the border");
    RequireFinite(next.BorderWidthUnits, "width of the bordered grid");
    return edges;
}

void SizeTitleBlock(MapLayout& next, const LimitsInput& input) {
    if (input.PlotTitleBlock) {
        if (input.TitleBlockType == "A") {
            next.TitleBlockWidthIn = TitleBlockTypeAWidthIn;
            next.TitleBlockHeightIn = TitleBlockTypeHeightIn;
        } else if (input.TitleBlockType == "B") {
            next.TitleBlockWidthIn = TitleBlockTypeBWidthIn;
            next.TitleBlockHeightIn = TitleBlockTypeHeightIn;
        }
        // Both sides of the block scale with X, so its proportions hold on
        // sheets whose axes have different scales.
        next.TitleBlockWidthUnits = next.TitleBlockWidthIn * next.XUnitsPerInch;
        next.TitleBlockHeightUnits = next.TitleBlockHeightIn * next.XUnitsPerInch;
        if (next.BorderWidthUnits < next.TitleBlockWidthUnits) {
            // Never wider than the bordered grid; shrunk with its proportions.
            next.TitleBlockHeightUnits =
                next.TitleBlockWidthUnits != 0
                    ? next.BorderWidthUnits / next.TitleBlockWidthUnits * next.TitleBlockHeightUnits
                    : 0.0;
            next.TitleBlockWidthUnits = next.BorderWidthUnits;
        }
    } else {
        next.TitleBlockWidthUnits = 0;
        next.TitleBlockHeightUnits = 0;
    }
    RequireFinite(next.TitleBlockWidthUnits, "title block width");
    RequireFinite(next.TitleBlockHeightUnits, "title block height");
}

// The drawing's limits: the edges (title block included) and the cutting
// borders; and the sheet's size.
SheetSize PlacePlot(MapLayout& next, const Edges& edges, const LimitsInput& input) {
    next.PlotXMin = edges.Left - next.XUnitsPerInch * input.CutLeft;
    next.PlotXMax = edges.Right + next.XUnitsPerInch * input.CutRight;
    next.PlotYMin = edges.Bottom - next.YUnitsPerInch * input.CutBottom;
    next.PlotYMax = edges.Top + next.YUnitsPerInch * input.CutTop;
    RequireFinite(next.PlotXMin, "left edge of the drawing");
    RequireFinite(next.PlotXMax, "right edge of the drawing");
    RequireFinite(next.PlotYMin, "bottom edge of the drawing");
    RequireFinite(next.PlotYMax, "top edge of the drawing");

    SheetSize sheet;
    sheet.WidthInches = (next.PlotXMax - next.PlotXMin) / next.XUnitsPerInch;
    sheet.HeightInches = (next.PlotYMax - next.PlotYMin) / next.YUnitsPerInch;
    RequireFinite(sheet.WidthInches, "sheet width");
    RequireFinite(sheet.HeightInches, "sheet height");
    // The report also shows the size in centimetres.
    RequireFinite(sheet.WidthInches * 2.54, "sheet width");
    RequireFinite(sheet.HeightInches * 2.54, "sheet height");
    return sheet;
}

}  // namespace

SheetSize ComputeMapLayout(MapLayout& layout, const LimitsInput& input) {
    MapLayout next = layout;
    next.Metric = input.Metric;
    next.XMin = input.XMin;
    next.XMax = input.XMax;
    next.YMin = input.YMin;
    next.YMax = input.YMax;
    next.XScale = input.XScale;
    next.YScale = input.YScale;
    next.BorderSize = input.BorderSize;

    // A metric scale 1:n puts n inches of ground on one sheet inch; an
    // imperial scale number is already feet per sheet inch.
    next.XUnitsPerInch = input.Metric ? input.XScale * MetresPerInch : input.XScale;
    next.YUnitsPerInch = input.Metric ? input.YScale * MetresPerInch : input.YScale;
    RequireFinite(next.XUnitsPerInch, "X scale factor");
    RequireFinite(next.YUnitsPerInch, "Y scale factor");

    Edges edges = PlaceBorder(next);
    SizeTitleBlock(next, input);
    // Flush with the right edge of the border, directly below it.
    next.TitleBlockLeftX = edges.Right - next.TitleBlockWidthUnits;
    next.TitleBlockBottomY = edges.Bottom - next.TitleBlockHeightUnits;
    edges.Bottom -= next.TitleBlockHeightUnits;
    RequireFinite(next.TitleBlockLeftX, "left edge of the title block");
    RequireFinite(next.TitleBlockBottomY, "bottom edge of the title block");

    const SheetSize sheet = PlacePlot(next, edges, input);
    layout = next;
    return sheet;
}

}  // namespace quadrel

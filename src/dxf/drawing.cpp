#include "dxf/drawing.h"

#include "dxf/grid.h"
#include "dxf/north_arrow.h"
#include "dxf/sheet.h"
#include "dxf/tick_marks.h"
#include "dxf/title_block_a.h"
#include "dxf/title_block_b.h"

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

void WriteDrawing(DxfWriter& writer, const DrawingInput& input) {
    const SheetExtents extents = ExtentsOf(input.Layout);
    writer.WriteHeader(extents.XMin, extents.YMin, extents.XMax, extents.YMax);
    writer.WriteTables();
    DrawSheet(writer, input);
    writer.EndDrawing();
}

void CreateDrawingFile(const std::filesystem::path& path, const DrawingInput& input) {
    DxfWriter writer;
    writer.OpenDrawing(path);
    WriteDrawing(writer, input);
    writer.CloseDrawing();
}

}  // namespace quadrel

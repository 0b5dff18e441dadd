#include "dxf/drawing.h"

#include "dxf/field_values.h"
#include "dxf/grid.h"
#include "dxf/north_arrow.h"
#include "dxf/tick_marks.h"
#include "dxf/title_block_a.h"
#include "dxf/title_block_b.h"

namespace quadrel {
namespace {

// The axis titles and cutting marks are placed to a tenth of a unit.
constexpr int GridTitleDecimals = 1;

void WriteTitleBlock(DxfWriter& writer, const DrawingInput& input) {
    const MapLayout& layout = input.Layout;
    const TitleBlockTexts texts{input.Title, input.Date, input.FileName, input.DecimalSeparator};
    if (input.TitleBlock == TitleBlockChoice::TypeA) {
        WriteTitleBlockA(writer, layout.BorderWidthUnits, layout.XUnitsPerInch, layout, texts);
    } else if (input.TitleBlock == TitleBlockChoice::TypeB) {
        WriteTitleBlockB(writer, layout.BorderWidthUnits, layout.XUnitsPerInch, layout, texts);
    }
}

void WritePlacedNorthArrow(DxfWriter& writer, const DrawingInput& input) {
    const double size = FieldNumber(input.Grid, &GridSet::NorthArrowSize, input.DecimalSeparator);
    if (!(size > 0)) return;
    const double distance =
        FieldNumber(input.Grid, &GridSet::NorthArrowDistance, input.DecimalSeparator);
    const NorthArrowPlacement place =
        PlaceNorthArrow(input.Grid.NorthArrowCorner, size, distance, input.Layout);
    WriteNorthArrow(writer, place.X0, place.Y0, input.Layout.XUnitsPerInch, size);
}

}  // namespace

void WriteDrawing(DxfWriter& writer, const std::filesystem::path& path, const DrawingInput& input) {
    const MapLayout& layout = input.Layout;
    writer.OpenDrawing(path);
    writer.WriteHeader(layout.PlotXMin, layout.PlotYMin, layout.PlotXMax, layout.PlotYMax);
    writer.WriteTables();
    WriteTitleBlock(writer, input);
    WriteGrid(writer, input.Grid, layout, layout.XUnitsPerInch, layout.YUnitsPerInch,
              layout.BorderSize, GridTitleDecimals, input.DecimalSeparator);
    WritePlacedNorthArrow(writer, input);
    WriteTickMarks(writer, input.Grid, layout.XUnitsPerInch, layout.YUnitsPerInch,
                   input.DecimalSeparator);
    writer.EndDrawing();
}

void CreateDrawingFile(const std::filesystem::path& path, const DrawingInput& input) {
    DxfWriter writer;
    WriteDrawing(writer, path, input);
    writer.CloseDrawing();
}

}  // namespace quadrel

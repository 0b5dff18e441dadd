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

void WriteTitleBlock(DrawingSink& sink, const DrawingInput& input) {
    const MapLayout& layout = input.Layout;
    const TitleBlockTexts texts{input.Title, input.Date, input.FileName, input.DecimalSeparator};
    if (input.TitleBlock == TitleBlockChoice::TypeA) {
        WriteTitleBlockA(sink, layout.BorderWidthUnits, layout.XUnitsPerInch, layout, texts);
    } else if (input.TitleBlock == TitleBlockChoice::TypeB) {
        WriteTitleBlockB(sink, layout.BorderWidthUnits, layout.XUnitsPerInch, layout, texts);
    }
}

void WritePlacedNorthArrow(DrawingSink& sink, const DrawingInput& input) {
    const double size = FieldNumber(input.Grid, &GridSet::NorthArrowSize, input.DecimalSeparator);
    if (!(size > 0)) return;
    const double distance =
        FieldNumber(input.Grid, &GridSet::NorthArrowDistance, input.DecimalSeparator);
    const NorthArrowPlacement place =
        PlaceNorthArrow(input.Grid.NorthArrowCorner, size, distance, input.Layout);
    WriteNorthArrow(sink, place.X0, place.Y0, input.Layout.XUnitsPerInch, size);
}

// Keeps nothing; refuses what the writer and the recorder refuse.
class SheetCheckSink final : public DrawingSink {
public:
    void WriteText(std::string_view layer, std::string_view /*text*/, double x, double y, double z,
                   int /*decimals*/, double height, double rotation) override {
        RequireFinite({x, y, z, height, rotation});
        CountEntity(layer);
    }
    void WriteLine(double x1, double y1, double z1, double x2, double y2, double z2,
                   std::string_view layer, int /*decimals*/) override {
        RequireFinite({x1, y1, z1, x2, y2, z2});
        CountEntity(layer);
    }
    void BeginPolyline(std::string_view layer) override { CountEntity(layer); }
    void WriteVertex(double x, double y, double z, std::string_view layer,
                     int /*decimals*/) override {
        CountEntity(layer);
        RequireFinite({x, y, z});
    }
    void EndPolyline(std::string_view /*layer*/) override {}
    void WriteComment(std::string_view /*text*/) override {}
};

}  // namespace

SheetExtents ExtentsOf(const MapLayout& layout) {
    return {layout.PlotXMin, layout.PlotYMin, layout.PlotXMax, layout.PlotYMax};
}

void DrawSheet(DrawingSink& sink, const DrawingInput& input) {
    const MapLayout& layout = input.Layout;
    WriteTitleBlock(sink, input);
    WriteGrid(sink, input.Grid, layout, layout.XUnitsPerInch, layout.YUnitsPerInch,
              layout.BorderSize, GridTitleDecimals, input.DecimalSeparator);
    WritePlacedNorthArrow(sink, input);
    WriteTickMarks(sink, input.Grid, layout.XUnitsPerInch, layout.YUnitsPerInch,
                   input.DecimalSeparator);
}

void CheckSheet(const DrawingInput& input) {
    const SheetExtents extents = ExtentsOf(input.Layout);
    RequireFinite({extents.XMin, extents.YMin, extents.XMax, extents.YMax});
    SheetCheckSink sink;
    DrawSheet(sink, input);
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

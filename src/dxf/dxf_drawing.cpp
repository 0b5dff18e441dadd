#include "dxf/dxf_drawing.h"

namespace quadrel {
namespace {

void BeginFile(DxfWriter& writer, const MapLayout& layout) {
    const SheetExtents extents = ExtentsOf(layout);
    writer.WriteHeader(extents.XMin, extents.YMin, extents.XMax, extents.YMax);
    writer.WriteTables();
}

}  // namespace

void WriteDrawing(DxfWriter& writer, const DrawingInput& input) {
    BeginFile(writer, input.Layout);
    DrawSheet(writer, input);
    writer.EndDrawing();
}

void CreateDrawingFile(const std::filesystem::path& path, const DrawingInput& input) {
    DxfWriter writer;
    writer.OpenDrawing(path);
    WriteDrawing(writer, input);
    writer.CloseDrawing();
}

void CreateIndexFile(const std::filesystem::path& path, const IndexSheet& index) {
    DxfWriter writer;
    writer.OpenDrawing(path);
    BeginFile(writer, index.Layout);
    DrawIndexSheet(writer, index);
    writer.EndDrawing();
    writer.CloseDrawing();
}

}  // namespace quadrel

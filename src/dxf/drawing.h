// The drawing of one map sheet: its entities into any sink, and the whole
// DXF file from header to end of file.
#pragma once

#include <filesystem>
#include <string>

#include "app/set_store.h"
#include "dxf/drawing_sink.h"
#include "dxf/dxf_writer.h"
#include "layout/map_layout.h"

namespace quadrel {

enum class TitleBlockChoice { None, TypeA, TypeB };

// Everything a drawing is made from: the texts of the main form's edits and
// of the title block form's edits, and a fresh map layout.
struct DrawingInput {
    GridSet Grid;
    TitleSet Title;
    MapLayout Layout;
    TitleBlockChoice TitleBlock = TitleBlockChoice::None;
    std::string Date;      // printed in the title block
    std::string FileName;  // printed below the title block
    char DecimalSeparator = '.';
};

// The corners of the sheet in drawing units: the plot limits of the layout,
// which the DXF header gives as the drawing's extents. A painter scales
// these to its page.
struct SheetExtents {
    double XMin = 0;
    double YMin = 0;
    double XMax = 0;
    double YMax = 0;
};
SheetExtents ExtentsOf(const MapLayout& layout);

// Draws the sheet's entities in their order: title block, grid, north
// arrow, tick marks. Throws ConversionError for a text that is no number
// and DrawingError for a drawing that cannot be made.
void DrawSheet(DrawingSink& sink, const DrawingInput& input);

// Draws the sheet into a sink that keeps nothing, so that a sheet the
// writer would refuse is refused before a file name is asked for. Throws as
// DrawSheet does.
void CheckSheet(const DrawingInput& input);

// Writes the whole drawing into an opened writer: header, tables, the
// sheet, end of file. Throws as DrawSheet does.
void WriteDrawing(DxfWriter& writer, const DrawingInput& input);

// Writes the drawing to `path`, streamed through a temporary file renamed
// into place when complete. Throws as DrawSheet does, and FileError when the
// file cannot be written; on every failure no file is left and an existing
// file stays intact.
void CreateDrawingFile(const std::filesystem::path& path, const DrawingInput& input);

}  // namespace quadrel

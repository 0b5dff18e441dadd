// The drawing of one map sheet, from header to end of file, and writing it
// to disk.
#pragma once

#include <filesystem>
#include <string>

#include "app/set_store.h"
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

// Writes the whole drawing: header, tables, title block, grid, north arrow,
// tick marks, end of file. Throws ConversionError for a text that is no
// number and DrawingError for a drawing that cannot be made.
void WriteDrawing(DxfWriter& writer, const std::filesystem::path& path, const DrawingInput& input);

// Builds the drawing, then writes it through a temporary file renamed into
// place. Throws as WriteDrawing does (an oversized drawing is refused before
// anything is written), and FileError when the file cannot be written; an
// existing file stays intact on every failure.
void CreateDrawingFile(const std::filesystem::path& path, const DrawingInput& input);

}  // namespace quadrel

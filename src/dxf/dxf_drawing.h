// Drawings as DXF files: the sheet, or a series' index, from header to end
// of file.
#pragma once

#include <filesystem>

#include "drawing/drawing.h"
#include "drawing/index_sheet.h"
#include "dxf/dxf_writer.h"

namespace quadrel {

// Writes the whole drawing into an opened writer: header, tables, the
// sheet, end of file. Throws as DrawSheet does.
void WriteDrawing(DxfWriter& writer, const DrawingInput& input);

// Writes the drawing to `path`, streamed through a temporary file renamed
// into place when complete. Throws as DrawSheet does, and FileError when the
// file cannot be written; on every failure no file is left and an existing
// file stays intact.
void CreateDrawingFile(const std::filesystem::path& path, const DrawingInput& input);

// Writes the index as a DXF drawing, replaced atomically. Throws as
// CreateDrawingFile does.
void CreateIndexFile(const std::filesystem::path& path, const IndexSheet& index);

}  // namespace quadrel

// The drawing of one map sheet: its entities into any sink.
#pragma once

#include <filesystem>
#include <string>

#include "drawing/drawing_sink.h"
#include "layout/map_layout.h"
#include "model/set_store.h"

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

}  // namespace quadrel

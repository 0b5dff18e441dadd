// The index sheet of a map series: the outline of every sheet drawn, at its
// map limits and labelled with its set, over a coordinate grid, so that one
// page shows which sheet covers which ground.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/drawing_sink.h"
#include "layout/map_layout.h"
#include "model/set_store.h"

namespace quadrel {

inline constexpr std::string_view IndexLayer = "Index";
// The largest page the index takes, either way round.
inline constexpr double IndexPageLongSideIn = 36;
inline constexpr double IndexPageShortSideIn = 24;
// A character of a sheet's label is taken as this many times as wide as it
// is high, wider than the average of the readers' fonts, so a label fits.
inline constexpr double IndexCharacterWidth = 0.8;

// One sheet of the series.
struct IndexEntry {
    int Set = 0;  // 1 is the first set of the file
    std::string Description;
    SheetExtents Limits;  // minimum and maximum of both axes, as its limits report gives them
};

// What the index's grid shows besides the sheets: the unit system of its
// scale, the axis titles, and the constants its labels add (those the sets
// share, so that the index's labels read as the sheets' do).
struct IndexAxes {
    bool Metric = true;
    std::string XAxisTitle;
    std::string YAxisTitle;
    std::string XConst = "0";
    std::string YConst = "0";
};

// The index ready to draw: a grid set and its layout round all the sheets.
struct IndexSheet {
    GridSet Grid;
    MapLayout Layout;
    std::vector<IndexEntry> Sheets;
};

// Lays the index out: grid lines at a round spacing, limits on that spacing
// round every sheet with a margin, and the smallest round scale (1, 2, 2.5
// or 5 times a power of ten) at which the whole index fits a page of at most
// IndexPageLongSideIn by IndexPageShortSideIn inches. Throws DrawingError
// for no sheets or limits that are not finite.
IndexSheet PlanIndexSheet(std::vector<IndexEntry> sheets, const IndexAxes& axes);

// The grid with its labels, then each sheet's outline on the layer "Index"
// with its set number and, below it and smaller when it must be to fit, its
// description inside its upper-left corner.
void DrawIndexSheet(DrawingSink& sink, const IndexSheet& index);

}  // namespace quadrel

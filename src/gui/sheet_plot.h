// Plots of a recorded sheet: PDF and SVG at true scale (the page is the
// sheet's size in inches, so a printed page measures what the scale says),
// PNG at a chosen resolution, and the printer.
#pragma once

#include <QPageLayout>
#include <QSizeF>
#include <filesystem>
#include <stdexcept>

#include "drawing/plot_writers.h"
#include "drawing/sheet_recorder.h"
#include "layout/map_layout.h"

class QPrinter;

namespace quadrel {

// A plot that cannot be written; the text names the file and the reason.
class PlotError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Width and height of the sheet on paper: the plot extents divided by the
// units per inch of each axis. Throws PlotError when the layout has no sheet.
QSizeF SheetSizeInches(const MapLayout& layout);

enum class PlotFormat { Pdf, Svg, Png };

// The format named by the path's extension (.pdf, .svg, .png, any case).
// Throws PlotError naming the path for any other.
PlotFormat PlotFormatOf(const std::filesystem::path& path);

// Writes the sheet in the format of the path's extension. Each file is
// written beside its place and renamed over it when complete, so a failure
// leaves any earlier file whole. `dpi` is for PNG alone; a PNG gets its
// world file (NAME.pgw) beside it, in the coordinates its labels print.
void WritePlot(const PlotPage& sheet, const std::filesystem::path& path, int dpi = DefaultPlotDpi);

// Several sheets as the pages of one PDF, each page of its own sheet's size,
// each sheet asked for when its page is painted.
void WritePdfPages(const PlotPageSource& sheets, const std::filesystem::path& path);

// Prints the sheet on the printer's page: at true scale when the printable
// area holds it, otherwise as large as fits. Returns the factor of true
// scale that was printed (1 at true scale).
double PrintSheet(const PlotPage& sheet, QPrinter& printer);
// The paper's orientation for a sheet of this size: the sheet's own.
QPageLayout::Orientation SheetOrientation(QSizeF inches);

}  // namespace quadrel

// The steps of `quadrel series`: probing the grid data file, drawing each
// set in every chosen format, the index, the PDF book and the report of the
// sets that failed.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/check_command.h"
#include "cli/options.h"
#include "cli/session.h"
#include "drawing/index_sheet.h"
#include "drawing/plot_writers.h"

namespace quadrel {

struct SeriesFormat;

// What a series keeps from set to set: what every set is drawn with, the
// plot writers, and what the pages of series.pdf are drawn from again when
// it is written (the drawn sheets themselves would grow with the series).
struct SeriesRun {
    const PlotWriters& Plots;
    SheetChoice Choice;
    std::filesystem::path Dir;
    std::string Date;
    int Dpi = DefaultPlotDpi;
    std::vector<const SeriesFormat*> Formats;
    std::vector<DrawingInput> Pages;
    std::optional<std::string> Crs;  // named beside each PNG
    // The sets drawn, for the index, and the index once laid out, which
    // opens series.pdf.
    std::vector<IndexEntry> Drawn;
    IndexAxes Axes;
    std::optional<IndexSheet> Index;
    SeriesConflicts Conflicts;  // of the sets drawn, told after the files
};

// An output format of `series`: a set shown on the forms is written to a
// file with this extension.
struct SeriesFormat {
    std::string_view Name;
    std::string_view Extension;
    bool NeedsPlots;  // written by the plot writers
    // Whether the file was written; the reasons when not are on the
    // session's error stream.
    bool (*Write)(Session& session, const std::filesystem::path& path, std::ostream& err,
                  SeriesRun& run);
};

// The formats the --format options choose (dxf when none), in the order
// given; UsageError for one that is unknown or needs plot writers there
// are none of.
std::vector<const SeriesFormat*> ChosenFormats(const Options& options, const PlotWriters& plots);

// A set that `series` could not draw in every format, and why.
struct SeriesFailure {
    int Set = 0;
    std::string Name;
    std::string Written;  // the formats that were, ", " between them
    std::string Failed;   // the formats that were not
    std::string Reasons;
};

// The sets of the grid data file, read once; a file or a title set that
// cannot be read stops the whole series at once. What reading reports about
// single sets is told with those sets.
std::optional<int> ProbeSeries(Session& probe, std::ostringstream& probeErr,
                               const SheetChoice& choice, std::ostream& err);

// Draws one set in every chosen format, each tried whatever became of the
// others; what went wrong, if anything. A set written in every format is
// kept for the index.
std::optional<SeriesFailure> DrawSeriesSet(SeriesRun& run, int set, const std::string& name,
                                           std::ostream& out);

// index.dxf of the sets drawn and, with PDF plots, index.pdf, whose page
// also opens series.pdf. Whether it was written; the reason on `err`.
bool WriteSeriesIndex(SeriesRun& run, bool pdf, std::ostream& out, std::ostream& err);

// series.pdf: the index's page when there is one, then the sets' pages.
// Whether it was written (or there was nothing to write).
bool WriteSeriesBook(const SeriesRun& run, std::ostream& out, std::ostream& err);

void ListSeriesFailure(const SeriesFailure& failure, std::ostream& err);

}  // namespace quadrel

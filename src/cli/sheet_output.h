// What the drawing commands share once a sheet is shown: writing it as
// Create output does, drawing it for a plot or a check, and the plot
// options.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/options.h"
#include "cli/session.h"
#include "drawing/drawing.h"
#include "drawing/plot_writers.h"
#include "drawing/sheet_recorder.h"

namespace quadrel {

// Presses Create output, answers the save dialog with `path` and the exit
// question with Cancel; whether the drawing was written (the exit question
// follows only a drawing that was).
bool CreateOutput(Session& session, const std::filesystem::path& path);

// Why no drawing was written, when no error report has said so.
void ReportNoDrawing(const Session& session, std::ostream& err);

// An output that is one of the inputs (by its name, a link or a hard link)
// would be destroyed before the drawing is read from it.
void RefuseInputAsOutput(const std::filesystem::path& output, const SheetChoice& choice);

// A sheet drawn from what the forms show, kept for a plot.
struct DrawnSheet {
    DrawingInput Input;
    SheetRecorder Sheet;

    PlotPage Page() const { return {&Sheet, &Input.Layout, LabelOffsetOf(Input)}; }
};

// Draws the sheet that Create output would draw now, with `fileName` below
// the title block; nothing (the reason on `err`) when it cannot be drawn.
std::unique_ptr<DrawnSheet> DrawShownSheet(Session& session, const std::string& fileName,
                                           std::ostream& err);

// "--dpi": a whole number from 1 to the largest a plot is drawn at.
int ParseDpi(const Options& options);

// "--crs CODE": the coordinate system named beside PNG plots; refused
// before anything is written when it is malformed or no PNG is plotted.
std::optional<std::string> CrsOption(const Options& options, bool plotsPng);

bool IsPlotExtension(const std::filesystem::path& path);

}  // namespace quadrel

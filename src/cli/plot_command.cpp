// quadrel plot: one sheet drawn as dxf draws it, into a PDF, SVG or PNG.
#include <ostream>

#include "base/path_text.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "cli/sheet_output.h"
#include "drawing/crs_file.h"

namespace quadrel {

int RunPlot(const Options& options, const CommandStreams& streams) {
    const std::string usage = "plot needs --grid FILE and --output OUT.pdf, OUT.svg or OUT.png";
    const SheetChoice choice = ReadSheetChoice(options, usage);
    const std::string& output = RequiredOption(options, "--output", usage);
    const std::filesystem::path outputPath = PathFromUtf8(output);
    if (!IsPlotExtension(outputPath)) {
        throw UsageError("plot writes .pdf, .svg or .png, not " + output);
    }
    const int dpi = ParseDpi(options);
    const std::optional<std::string> crs = CrsOption(options, PlotExtension(outputPath) == ".png");
    RefuseInputAsOutput(outputPath, choice);
    if (!streams.Plots.WriteSheet) {
        streams.Err << "quadrel: this program was built without the plot formats\n";
        return ExitStopped;
    }

    Session session(streams.Err);
    session.platform.Date = DrawingDate();
    if (const auto stopped = ShowSheet(session, choice, streams.Err)) return *stopped;
    const std::unique_ptr<DrawnSheet> drawn = DrawShownSheet(session, output, streams.Err);
    if (!drawn) return ExitStopped;
    streams.Plots.WriteSheet(drawn->Page(), outputPath, dpi);
    if (crs) WriteCrsFile(outputPath, *crs);
    streams.Out << output << '\n';
    return ExitSuccess;
}

}  // namespace quadrel

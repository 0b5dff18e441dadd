// quadrel dxf: one sheet written as Create output writes it.
#include <ostream>

#include "base/path_text.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "cli/sheet_output.h"

namespace quadrel {

int RunDxf(const Options& options, const CommandStreams& streams) {
    const std::string usage = "dxf needs --grid FILE and --output OUT.dxf";
    const SheetChoice choice = ReadSheetChoice(options, usage);
    const std::string& output = RequiredOption(options, "--output", usage);
    const std::filesystem::path outputPath = PathFromUtf8(output);
    RefuseInputAsOutput(outputPath, choice);
    // As plot chooses its format by the extension, a drawing never lands in
    // a file named for another kind.
    if (PlotExtension(outputPath) != ".dxf") throw UsageError("dxf writes .dxf, not " + output);

    Session session(streams.Err);
    session.platform.Date = DrawingDate();
    if (const auto stopped = ShowSheet(session, choice, streams.Err)) return *stopped;
    if (!CreateOutput(session, outputPath)) {
        ReportNoDrawing(session, streams.Err);
        return ExitStopped;
    }
    streams.Out << output << '\n';
    return ExitSuccess;
}

}  // namespace quadrel

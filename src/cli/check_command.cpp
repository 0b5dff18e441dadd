#include "cli/check_command.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "base/path_text.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "cli/sheet_output.h"

namespace quadrel {

int RunCheck(const Options& options, const CommandStreams& streams) {
    const bool json = options.count("--json") != 0;
    const SheetChoice choice = ReadSheetChoice(options, "check needs --grid FILE");

    Session session(streams.Err);
    session.platform.Date = DrawingDate();
    if (const auto stopped = ShowSheet(session, choice, streams.Err)) return *stopped;
    const auto drawn = DrawShownSheet(session, CheckedDrawingName(choice.Grid), streams.Err);
    if (!drawn) return ExitStopped;
    return ReportSheetCheck(CheckSheet(drawn->Sheet, drawn->Input.Layout), json, streams.Out);
}

std::string CheckedDrawingName(const std::string& gridFile) {
    return Utf8Path(PathFromUtf8(gridFile).replace_extension(".dxf"));
}

int ReportSheetCheck(const std::vector<SheetConflict>& conflicts, bool json, std::ostream& out) {
    if (json) {
        out << ConflictsJson(conflicts);
    } else {
        for (const SheetConflict& conflict : conflicts) out << ConflictLine(conflict) << '\n';
    }
    return conflicts.empty() ? 0 : 1;
}

void SeriesConflicts::Add(int set, const std::string& name, const SheetRecorder& sheet,
                          const MapLayout& layout) {
    const std::size_t count = CheckSheet(sheet, layout).size();
    if (count > 0) sets_.push_back({set, name, count});
}

void SeriesConflicts::Print(std::ostream& out) const {
    for (const Counted& counted : sets_) {
        out << "set " << counted.Set << " (" << counted.Name << "): " << counted.Conflicts
            << (counted.Conflicts == 1 ? " conflict" : " conflicts") << '\n';
    }
}

}  // namespace quadrel

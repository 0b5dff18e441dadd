// quadrel limits: the limits report of one grid set.
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"

namespace quadrel {

int RunLimits(const Options& options, const CommandStreams& streams) {
    const std::string& grid = RequiredOption(options, "--grid", "limits needs --grid FILE");
    const std::optional<int> setNumber = NumberOption(options, "--set");

    Session session(streams.Err);
    if (const auto stopped = OpenGridSet(session, grid, setNumber, streams.Err)) return *stopped;
    for (const auto& line : *session.form.LimitsReportShown) streams.Out << line << '\n';
    return ExitSuccess;
}

}  // namespace quadrel

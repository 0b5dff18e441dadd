// quadrel samples: the sample data files, as the button writes them.
#include <ostream>

#include "base/path_text.h"
#include "cli/commands.h"
#include "cli/session.h"

namespace quadrel {

int RunSamples(const Options& options, const CommandStreams& streams) {
    Session session(streams.Err);
    if (const auto dir = OptionalOption(options, "--dir")) {
        session.form.WorkingDirectory = PathFromUtf8(*dir);
    }
    // The button reports a file it cannot write (any other fault escapes to
    // the command line's own report) and otherwise says both were written.
    session.form.BitBtnCreateSampleFiles.Click();
    if (session.ErrorsReported > 0) return ExitStopped;
    streams.Out << session.form.MessageArea.Caption() << '\n';
    return ExitSuccess;
}

}  // namespace quadrel

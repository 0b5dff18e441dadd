// quadrel samples: the sample data files, as the button writes them.
#include <ostream>

#include "app/messages.h"
#include "cli/commands.h"
#include "cli/session.h"

namespace quadrel {

int RunSamples(const Options& options, const CommandStreams& streams) {
    Session session(streams.Err);
    if (const auto dir = OptionalOption(options, "--dir")) {
        session.form.WorkingDirectory = std::filesystem::path(*dir);
    }
    session.form.BitBtnCreateSampleFiles.Click();
    const auto created = MessageText(Messages::SampleFilesCreated, "");
    if (session.ErrorsReported > 0) return ExitStopped;
    if (session.form.MessageArea.Caption() != created) {
        streams.Err << "quadrel: the sample files were not created\n";
        return ExitStopped;
    }
    streams.Out << session.form.MessageArea.Caption() << '\n';
    return ExitSuccess;
}

}  // namespace quadrel

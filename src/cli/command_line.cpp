#include "cli/command_line.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string_view>

#include "app/messages.h"
#include "ui/application.h"
#include "ui/scripted_platform.h"

namespace quadrel {
namespace {

constexpr int ExitSuccess = 0;
constexpr int ExitStopped = 2;

constexpr std::string_view UsageText =
    "usage: quadrel [--help]\n"
    "       quadrel samples [--dir DIR]\n"
    "       quadrel limits --grid FILE [--set N]\n"
    "\n"
    "  samples  writes the sample data files QDLGrid.SAM and QDLTitle.SAM into DIR\n"
    "           (default: the current directory)\n"
    "  limits   opens the grid data file FILE, steps to grid set N (1 is the first\n"
    "           set of the file; default: the last set), determines the map limits\n"
    "           and prints the limits report\n"
    "\n"
    "Exit status: 0 on success; 2 when a numbered message, a conversion error or a\n"
    "file error stopped the command, or the command line was not understood.\n";

// A command line that cannot be run as given.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "--name value" and "--name=value" options after the subcommand; every
// option takes a value and may be given once.
std::map<std::string, std::string> ParseOptions(const std::vector<std::string>& arguments,
                                                const std::set<std::string>& allowed) {
    std::map<std::string, std::string> options;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (allowed.count(name) == 0) throw UsageError("unknown option '" + name + "'");
        if (!value) {
            if (i + 1 >= arguments.size()) throw UsageError(name + " needs a value");
            value = arguments[++i];
        }
        if (!options.emplace(name, *value).second) throw UsageError(name + " is given twice");
    }
    return options;
}

bool WantsHelp(const std::vector<std::string>& arguments) {
    for (const auto& argument : arguments) {
        if (argument == "--help" || argument == "-h") return true;
    }
    return false;
}

// The forms on a scripted platform; every error report goes to `err` as it
// happens.
class Session {
public:
    explicit Session(std::ostream& err) : err_(err) {
        platform.OnError = [this](const std::string& text) {
            err_ << text << '\n';
            ++ErrorsReported;
        };
    }

    ScriptedPlatform platform;
    QuadrelApplication app{platform};
    TMGridInfo& form = app.MGridInfo;
    int ErrorsReported = 0;

private:
    std::ostream& err_;
};

int RunSamples(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(arguments, {"--dir"});
    Session session(err);
    if (const auto dir = options.find("--dir"); dir != options.end()) {
        session.form.WorkingDirectory = std::filesystem::path(dir->second);
    }
    session.form.BitBtnCreateSampleFiles.Click();
    const auto created = MessageText(Messages::SampleFilesCreated, "");
    if (session.ErrorsReported > 0) return ExitStopped;
    if (session.form.MessageArea.Caption() != created) {
        err << "quadrel: the sample files were not created\n";
        return ExitStopped;
    }
    out << session.form.MessageArea.Caption() << '\n';
    return ExitSuccess;
}

int ParseSetNumber(const std::string& text) {
    int number = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || ptr != text.data() + text.size()) {
        throw UsageError("--set needs a whole number, not '" + text + "'");
    }
    return number;
}

// The message area's text when a numbered message stopped the command.
int StoppedByMessage(const TMGridInfo& form, const Session& session, std::ostream& err) {
    if (form.Layout.LimitsError != 0) {
        err << form.MessageArea.Caption() << '\n';
    } else if (session.ErrorsReported == 0) {
        err << "quadrel: the map limits could not be determined\n";
    }
    return ExitStopped;
}

int RunLimits(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(arguments, {"--grid", "--set"});
    const auto grid = options.find("--grid");
    if (grid == options.end()) throw UsageError("limits needs --grid FILE");
    std::optional<int> setNumber;
    if (const auto set = options.find("--set"); set != options.end()) {
        setNumber = ParseSetNumber(set->second);
    }

    Session session(err);
    TMGridInfo& form = session.form;
    session.platform.OpenAnswers.emplace_back(std::filesystem::path(grid->second));
    form.ButtonGetFileName.Click();
    if (!form.Store.GridFileLoaded) return StoppedByMessage(form, session, err);

    const int setCount = form.Store.GridSetCount;
    if (setCount == 0) {
        err << "quadrel: " << grid->second << " holds no grid set\n";
        return ExitStopped;
    }
    if (setNumber) {
        if (*setNumber < 1 || *setNumber > setCount) {
            err << "quadrel: --set " << *setNumber << " is out of range: " << grid->second
                << " holds " << setCount << (setCount == 1 ? " grid set" : " grid sets")
                << " (1 to " << setCount << ")\n";
            return ExitStopped;
        }
        // Reading leaves the last set current; the down arrow steps back.
        for (int step = *setNumber; step < setCount; ++step) form.BitBtnDown.Click();
    }
    // Opening the file ran Determine Limits on the last set and disabled the
    // button; an arrow press enables it again for the set stepped to.
    if (form.DetermineLimitsButton.Enabled()) form.DetermineLimitsButton.Click();

    if (!form.LimitsReportShown) return StoppedByMessage(form, session, err);
    for (const auto& line : *form.LimitsReportShown) out << line << '\n';
    return ExitSuccess;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    try {
        if (arguments.empty() || WantsHelp(arguments)) {
            // The desktop window will open here once it exists.
            out << UsageText;
            return ExitSuccess;
        }
        const std::string& command = arguments.front();
        if (command == "samples") return RunSamples(arguments, out, err);
        if (command == "limits") return RunLimits(arguments, out, err);
        throw UsageError("unknown command '" + command + "'");
    } catch (const UsageError& error) {
        err << "quadrel: " << error.what() << '\n' << UsageText;
        return ExitStopped;
    } catch (const std::exception& error) {
        err << "quadrel: " << error.what() << '\n';
        return ExitStopped;
    }
}

}  // namespace quadrel

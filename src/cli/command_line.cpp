#include "cli/command_line.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string_view>

#include "app/messages.h"
#include "forms/application.h"
#include "forms/scripted_platform.h"

namespace quadrel {
namespace {

constexpr int ExitSuccess = 0;
constexpr int ExitStopped = 2;

constexpr std::string_view UsageText =
    "usage: quadrel [--help]\n"
    "       quadrel samples [--dir DIR]\n"
    "       quadrel limits --grid FILE [--set N]\n"
    "       quadrel dxf --grid FILE [--set N] [--title FILE] [--title-set M] --output OUT.dxf\n"
    "\n"
    "  samples  writes the sample data files QDLGrid.SAM and QDLTitle.SAM into DIR\n"
    "           (default: the current directory)\n"
    "  limits   opens the grid data file FILE, steps to grid set N (1 is the first\n"
    "           set of the file; default: the last set), determines the map limits\n"
    "           and prints the limits report\n"
    "  dxf      as limits, then, with --title, opens the title block data file and\n"
    "           shows title set M (default 1); creates the DXF drawing OUT.dxf and\n"
    "           prints its path. The title block's date is today's, or that of\n"
    "           SOURCE_DATE_EPOCH when set.\n"
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

int ParseSetNumber(const std::string& option, const std::string& text) {
    int number = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || ptr != text.data() + text.size()) {
        throw UsageError(option + " needs a whole number, not '" + text + "'");
    }
    return number;
}

// The date printed in title blocks, as YYYY-MM-DD: that of
// SOURCE_DATE_EPOCH (seconds since 1970, UTC) when set, so that a drawing
// can be made again byte for byte, else today's.
std::string DrawingDate() {
    std::time_t when = std::time(nullptr);
    bool fromEpoch = false;
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != 0) {
        const std::string_view text(epoch);
        long long seconds = 0;
        const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (error != std::errc() || ptr != text.data() + text.size() || seconds < 0) {
            throw UsageError("SOURCE_DATE_EPOCH must be a whole number of seconds, not '" +
                             std::string(text) + "'");
        }
        when = static_cast<std::time_t>(seconds);
        fromEpoch = true;
    }
    std::tm date{};
    const std::tm* converted = fromEpoch ? ::gmtime_r(&when, &date) : ::localtime_r(&when, &date);
    if (converted == nullptr) throw UsageError("SOURCE_DATE_EPOCH is out of range");
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%d", &date);
    return text.data();
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

// Opens the grid data file and makes grid set `setNumber` (1 = first of the
// file; default the last) current with its limits determined. An exit
// status when that failed.
std::optional<int> OpenGridSet(Session& session, const std::string& gridFile,
                               std::optional<int> setNumber, std::ostream& err) {
    TMGridInfo& form = session.form;
    session.platform.OpenAnswers.emplace_back(std::filesystem::path(gridFile));
    form.ButtonGetFileName.Click();
    if (!form.Store.GridFileLoaded) return StoppedByMessage(form, session, err);

    const int setCount = form.Store.GridSetCount;
    if (setCount == 0) {
        err << "quadrel: " << gridFile << " holds no grid set\n";
        return ExitStopped;
    }
    if (setNumber) {
        if (*setNumber < 1 || *setNumber > setCount) {
            err << "quadrel: --set " << *setNumber << " is out of range: " << gridFile << " holds "
                << setCount << (setCount == 1 ? " grid set" : " grid sets") << " (1 to " << setCount
                << ")\n";
            return ExitStopped;
        }
        // Reading leaves the last set current; the down arrow steps back.
        for (int step = *setNumber; step < setCount; ++step) form.BitBtnDown.Click();
    }
    // Opening the file ran Determine Limits on the last set and disabled the
    // button; an arrow press enables it again for the set stepped to.
    if (form.DetermineLimitsButton.Enabled()) form.DetermineLimitsButton.Click();

    if (!form.LimitsReportShown) return StoppedByMessage(form, session, err);
    return std::nullopt;
}

std::optional<int> SetOption(const std::map<std::string, std::string>& options,
                             const std::string& name) {
    const auto option = options.find(name);
    if (option == options.end()) return std::nullopt;
    return ParseSetNumber(name, option->second);
}

const std::string& RequiredOption(const std::map<std::string, std::string>& options,
                                  const std::string& name, const std::string& usage) {
    const auto option = options.find(name);
    if (option == options.end()) throw UsageError(usage);
    return option->second;
}

int RunLimits(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(arguments, {"--grid", "--set"});
    const std::string& grid = RequiredOption(options, "--grid", "limits needs --grid FILE");
    const std::optional<int> setNumber = SetOption(options, "--set");

    Session session(err);
    if (const auto stopped = OpenGridSet(session, grid, setNumber, err)) return *stopped;
    for (const auto& line : *session.form.LimitsReportShown) out << line << '\n';
    return ExitSuccess;
}

// Opens the title block data file and shows title set `setNumber` in the
// title block form, which is closed with OK. An exit status when that failed.
std::optional<int> OpenTitleSet(Session& session, const std::string& titleFile, int setNumber,
                                std::ostream& err) {
    bool outOfRange = false;
    int setCount = 0;
    session.platform.OpenAnswers.emplace_back(std::filesystem::path(titleFile));
    session.platform.ModalAnswers.emplace_back([&](Form& shown) {
        auto& titleForm = static_cast<TTitleBlockForm&>(shown);
        setCount = titleForm.Store.TitleSetCount;
        outOfRange = setNumber < 1 || setNumber > setCount;
        if (outOfRange) return ModalResultCancel;
        for (int step = 1; step < setNumber; ++step) titleForm.BitBtnUp.Click();
        titleForm.BitBtnOk.Click();
        return ModalResultOk;
    });
    session.form.ButtonGetTitleData.Click();
    if (!session.app.TitleBlockForm.Store.TitleFileLoaded) {
        if (session.ErrorsReported == 0) StoppedByMessage(session.form, session, err);
        return ExitStopped;
    }
    if (outOfRange) {
        err << "quadrel: --title-set " << setNumber << " is out of range: " << titleFile << " holds "
            << setCount << (setCount == 1 ? " title set" : " title sets") << " (1 to " << setCount
            << ")\n";
        return ExitStopped;
    }
    return std::nullopt;
}

int RunDxf(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto options =
        ParseOptions(arguments, {"--grid", "--set", "--title", "--title-set", "--output"});
    const std::string usage = "dxf needs --grid FILE and --output OUT.dxf";
    const std::string& grid = RequiredOption(options, "--grid", usage);
    const std::string& output = RequiredOption(options, "--output", usage);
    const std::optional<int> setNumber = SetOption(options, "--set");
    const std::optional<int> titleSetNumber = SetOption(options, "--title-set");
    const auto title = options.find("--title");
    if (titleSetNumber && title == options.end()) throw UsageError("--title-set needs --title FILE");

    Session session(err);
    session.platform.Date = DrawingDate();
    if (const auto stopped = OpenGridSet(session, grid, setNumber, err)) return *stopped;
    if (title != options.end()) {
        if (const auto stopped = OpenTitleSet(session, title->second, titleSetNumber.value_or(1), err)) {
            return *stopped;
        }
    }

    TMGridInfo& form = session.form;
    session.platform.SaveAnswers.emplace_back(std::filesystem::path(output));
    session.platform.OkCancelAnswers.push_back(false);  // stay: the command ends itself
    form.BitBtnCreateOutput.Click();
    // The exit question follows only a drawing that was written.
    if (session.platform.Questions.empty()) {
        if (session.ErrorsReported == 0) {
            const std::string shown = form.MessageArea.Caption();
            err << (shown.find_first_not_of(' ') == std::string::npos ? "quadrel: no drawing was written"
                                                                      : shown)
                << '\n';
        }
        return ExitStopped;
    }
    out << output << '\n';
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
        if (command == "dxf") return RunDxf(arguments, out, err);
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

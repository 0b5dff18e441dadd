#include "cli/session.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <ostream>
#include <stdexcept>

#include "base/path_text.h"
#include "base/source_date.h"

namespace quadrel {

void Tell(std::ostream& err, std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (text.rfind(Prefix, 0) != 0) err << Prefix;
    err << text << '\n';
}

Session::Session(std::ostream& err) : err_(err) {
    platform.OnError = [this](const std::string& text) {
        Tell(err_, text);
        ++ErrorsReported;
    };
}

std::string DrawingDate() {
    // A malformed SOURCE_DATE_EPOCH is said in one line: the usage would not
    // help.
    if (auto day = SourceDateEpochDay()) return *day;
    const std::time_t now = std::time(nullptr);
    // The command line runs on one thread: the shared result of localtime
    // is read at once.
    const std::tm* today = std::localtime(&now);
    if (today == nullptr) throw std::runtime_error("today's date is not known");
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%d", today);
    return text.data();
}

int StoppedByMessage(const Session& session, std::ostream& err) {
    if (session.form.LimitsError != 0) {
        Tell(err, session.form.MessageArea.Caption());
    } else if (session.ErrorsReported == 0) {
        err << "quadrel: the map limits could not be determined\n";
    }
    return ExitStopped;
}

std::optional<int> OpenGridSet(Session& session, const std::string& gridFile,
                               std::optional<int> setNumber, std::ostream& err) {
    TMGridInfo& form = session.form;
    session.platform.OpenAnswers.emplace_back(PathFromUtf8(gridFile));
    form.ButtonGetFileName.Click();
    if (!form.Store.GridFileLoaded) return StoppedByMessage(session, err);

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

    if (!form.LimitsReportShown) return StoppedByMessage(session, err);
    return std::nullopt;
}

std::optional<int> OpenTitleSet(Session& session, const std::string& titleFile, int setNumber,
                                std::ostream& err) {
    bool outOfRange = false;
    int setCount = 0;
    session.platform.OpenAnswers.emplace_back(PathFromUtf8(titleFile));
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
        if (session.ErrorsReported == 0) StoppedByMessage(session, err);
        return ExitStopped;
    }
    if (outOfRange) {
        err << "quadrel: --title-set " << setNumber << " is out of range: " << titleFile
            << " holds " << setCount << (setCount == 1 ? " title set" : " title sets") << " (1 to "
            << setCount << ")\n";
        return ExitStopped;
    }
    return std::nullopt;
}

SheetChoice ReadSheetChoice(const Options& options, const std::string& usage) {
    SheetChoice choice;
    choice.Grid = RequiredOption(options, "--grid", usage);
    choice.Set = NumberOption(options, "--set");
    const std::optional<int> titleSet = NumberOption(options, "--title-set");
    choice.Title = OptionalOption(options, "--title");
    if (!choice.Title && titleSet) throw UsageError("--title-set needs --title FILE");
    choice.TitleSet = titleSet.value_or(1);
    return choice;
}

std::optional<int> ShowSheet(Session& session, const SheetChoice& choice, std::ostream& err) {
    if (const auto stopped = OpenGridSet(session, choice.Grid, choice.Set, err)) return stopped;
    if (choice.Title) return OpenTitleSet(session, *choice.Title, choice.TitleSet, err);
    return std::nullopt;
}

}  // namespace quadrel

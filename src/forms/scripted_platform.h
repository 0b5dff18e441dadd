// A platform whose answers come from a script and which records everything
// shown: the tests' and the command line's stand-in for the desktop.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/platform.h"

namespace quadrel {

class ScriptedPlatform : public Platform {
public:
    // Answers, taken from the front. An empty queue cancels (dialogs),
    // answers Cancel (questions) or closes the form with cancel (modal forms),
    // up to a bound on unscripted answers in a row.
    std::deque<std::optional<std::filesystem::path>> OpenAnswers;
    std::deque<std::optional<std::filesystem::path>> SaveAnswers;
    // Acts on the modal form as a person would and returns its modal result.
    std::deque<std::function<int(Form&)>> ModalAnswers;
    std::deque<bool> OkCancelAnswers;
    std::string Date = "01/01/2000";
    char Separator = '.';
    // Called with each error report as it happens (the command line prints it).
    std::function<void(const std::string&)> OnError;

    // What was shown.
    int Beeps = 0;
    std::vector<FileDialogOptions> OpenDialogs;
    std::vector<FileDialogOptions> SaveDialogs;
    std::vector<std::string> ModalForms;  // form names, in order
    std::vector<std::string> Questions;   // "caption: text"
    std::vector<std::string> Errors;
    std::vector<std::string> HelpRequests;  // "file command data"
    std::optional<int> ExitStatus;
    // All of the above but the beeps, in the order shown: "open: title",
    // "save: title", "modal: form", "question: caption: text",
    // "error: text", "help: file command data", "exit: status".
    std::vector<std::string> Shown;

    void Beep() override;
    std::optional<std::filesystem::path> OpenFileDialog(const FileDialogOptions& options) override;
    std::optional<std::filesystem::path> SaveFileDialog(const FileDialogOptions& options) override;
    int ShowModal(Form& form) override;
    bool AskOkCancel(const std::string& text, const std::string& caption) override;
    void ReportError(const std::string& text) override;
    void ShowHelp(const std::string& helpFile, int command, int data) override;
    std::string ShortDate() override;
    char DecimalSeparator() const override;
    void Exit(int status) override;

private:
    // A form that asks again and again once the script is spent would loop
    // for ever (the exit flow shows its save dialog until answered); after
    // this many unscripted answers in a row the run stops with a logic_error.
    static constexpr int UnscriptedAnswersAllowed = 100;
    int unscriptedInARow_ = 0;

    // Notes whether the script had an answer for `what`.
    template <typename T>
    std::optional<T> Answer(std::deque<T>& answers, const std::string& what);
};

}  // namespace quadrel

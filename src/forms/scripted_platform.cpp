#include "forms/scripted_platform.h"

#include <stdexcept>

#include "forms/form.h"

namespace quadrel {

template <typename T>
std::optional<T> ScriptedPlatform::Answer(std::deque<T>& answers, const std::string& what) {
    if (answers.empty()) {
        if (++unscriptedInARow_ > UnscriptedAnswersAllowed) {
            throw std::logic_error("The script has no answer for " + what + ", asked " +
                                   std::to_string(unscriptedInARow_) + " times in a row.");
        }
        return std::nullopt;
    }
    unscriptedInARow_ = 0;
    T front = std::move(answers.front());
    answers.pop_front();
    return front;
}

void ScriptedPlatform::Beep() { ++Beeps; }

std::optional<std::filesystem::path> ScriptedPlatform::OpenFileDialog(
    const FileDialogOptions& options) {
    OpenDialogs.push_back(options);
    Shown.push_back("open: " + options.Title);
    return Answer(OpenAnswers, Shown.back()).value_or(std::nullopt);
}

std::optional<std::filesystem::path> ScriptedPlatform::SaveFileDialog(
    const FileDialogOptions& options) {
    SaveDialogs.push_back(options);
    Shown.push_back("save: " + options.Title);
    return Answer(SaveAnswers, Shown.back()).value_or(std::nullopt);
}

int ScriptedPlatform::ShowModal(Form& form) {
    ModalForms.push_back(form.Name());
    Shown.push_back("modal: " + form.Name());
    form.ModalResult = 0;
    auto answer = Answer(ModalAnswers, Shown.back());
    form.ModalResult = answer && *answer ? (*answer)(form) : ModalResultCancel;
    return form.ModalResult;
}

bool ScriptedPlatform::AskOkCancel(const std::string& text, const std::string& caption) {
    Questions.push_back(caption + ": " + text);
    Shown.push_back("question: " + Questions.back());
    return Answer(OkCancelAnswers, Shown.back()).value_or(false);
}

void ScriptedPlatform::ReportError(const std::string& text) {
    Errors.push_back(text);
    Shown.push_back("error: " + text);
    if (OnError) OnError(text);
}

void ScriptedPlatform::ShowHelp(const std::string& helpFile, int command, int data) {
    HelpRequests.push_back(helpFile + " " + std::to_string(command) + " " + std::to_string(data));
    Shown.push_back("help: " + HelpRequests.back());
}

std::string ScriptedPlatform::ShortDate() { return Date; }

char ScriptedPlatform::DecimalSeparator() const { return Separator; }

void ScriptedPlatform::Exit(int status) {
    if (!ExitStatus) ExitStatus = status;
    Shown.push_back("exit: " + std::to_string(status));
}

}  // namespace quadrel

#include "forms/scripted_platform.h"

#include "forms/form.h"

namespace quadrel {
namespace {

template <typename T>
std::optional<T> TakeFront(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

}  // namespace

void ScriptedPlatform::Beep() { ++Beeps; }

std::optional<std::filesystem::path> ScriptedPlatform::OpenFileDialog(
    const FileDialogOptions& options) {
    OpenDialogs.push_back(options);
    Shown.push_back("open: " + options.Title);
    return TakeFront(OpenAnswers).value_or(std::nullopt);
}

std::optional<std::filesystem::path> ScriptedPlatform::SaveFileDialog(
    const FileDialogOptions& options) {
    SaveDialogs.push_back(options);
    Shown.push_back("save: " + options.Title);
    return TakeFront(SaveAnswers).value_or(std::nullopt);
}

int ScriptedPlatform::ShowModal(Form& form) {
    ModalForms.push_back(form.Name());
    Shown.push_back("modal: " + form.Name());
    form.ModalResult = 0;
    auto answer = TakeFront(ModalAnswers);
    form.ModalResult = answer && *answer ? (*answer)(form) : ModalResultCancel;
    return form.ModalResult;
}

bool ScriptedPlatform::AskOkCancel(const std::string& text, const std::string& caption) {
    Questions.push_back(caption + ": " + text);
    Shown.push_back("question: " + Questions.back());
    return TakeFront(OkCancelAnswers).value_or(false);
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

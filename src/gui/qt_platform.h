// The desktop behind the forms: Qt's dialogs, message boxes, beep, locale
// and event loop.
#pragma once

#include <QPointer>
#include <QString>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "forms/platform.h"

class QDialog;
class QWidget;

namespace quadrel {

class HelpWindow;
class Remembered;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // The dialog that shows `form` when a handler asks for it modally.
    void RegisterDialog(Form& form, QDialog& dialog);
    // The window that owns the message boxes and the help window.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

    // The folders chosen in the dialogs are kept in `remembered`; a dialog
    // that the forms start in `fallbackDirectory` starts in the last one.
    void RememberFolders(Remembered& remembered, std::filesystem::path fallbackDirectory) {
        remembered_ = &remembered;
        fallbackDirectory_ = std::move(fallbackDirectory);
    }

    // Answers the next open dialog without showing it: a file named on the
    // command line is opened as the open button would, minus the dialog.
    void AnswerNextOpenDialog(std::filesystem::path path) { openAnswers_.push_back(std::move(path)); }

    // While a person types into an edit, a text that is no number is not a
    // reason to interrupt them with a box: errors go to `report` instead.
    // Returns whether an error was reported while `typing` ran.
    bool RouteErrorsWhileTyping(const std::function<void()>& typing,
                                const std::function<void(const QString&)>& report);

    // Instead of running a modal dialog's own event loop: `act` is handed the
    // form and its shown dialog and returns the modal result. The screenshot
    // command uses it; with none set, dialogs run modally as usual.
    std::function<int(Form&, QDialog&)> ModalOverride;

    // The status Exit was asked for; the event loop has been told to end.
    std::optional<int> ExitStatus() const { return exitStatus_; }

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
    std::optional<std::filesystem::path> RunFileDialog(const FileDialogOptions& options, bool save);

    QPointer<QWidget> mainWindow_;
    std::map<const Form*, QPointer<QDialog>> dialogs_;
    std::deque<std::filesystem::path> openAnswers_;
    std::function<void(const QString&)> typingReport_;
    bool typingErrorReported_ = false;
    std::optional<int> exitStatus_;
    QPointer<HelpWindow> helpWindow_;
    Remembered* remembered_ = nullptr;
    std::filesystem::path fallbackDirectory_;
};

}  // namespace quadrel

// Everything the forms need from the desktop, behind one interface: the Qt
// windows implement it for people, ScriptedPlatform for tests and the
// command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quadrel {

class Form;

inline constexpr int ModalResultOk = 1;
inline constexpr int ModalResultCancel = 2;

struct FileDialogOptions {
    std::string Title;
    std::filesystem::path InitialDirectory;
    std::string FileName;          // the initial file name, such as "*.dat"
    std::string DefaultExtension;  // without the dot, such as "dat"
    // What the dialog offers to list, first the one it starts with:
    // "Quadrel data files (*.dat *.sam)". None: what the file name says.
    std::vector<std::string> Filters;
};

class Platform {
public:
    virtual ~Platform() = default;

    // The default message sound.
    virtual void Beep() = 0;
    // Nothing when the user cancels.
    virtual std::optional<std::filesystem::path> OpenFileDialog(const FileDialogOptions& options) = 0;
    virtual std::optional<std::filesystem::path> SaveFileDialog(const FileDialogOptions& options) = 0;
    // Shows a form modally and returns its modal result (1 OK, 2 cancel).
    virtual int ShowModal(Form& form) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
    // The application's standard error report.
    virtual void ReportError(const std::string& text) = 0;
    // Asks the help viewer for a page of a help file.
    virtual void ShowHelp(const std::string& helpFile, int command, int data) = 0;
    // Today's date as the user's short date.
    virtual std::string ShortDate() = 0;
    // The decimal separator of the user's number settings.
    virtual char DecimalSeparator() const = 0;
    // Ends the process with the given status.
    virtual void Exit(int status) = 0;
};

}  // namespace quadrel

// What every command of the command line shares: the forms on a scripted
// platform, and the steps a person takes on them to show a sheet.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/options.h"
#include "drawing/drawing.h"
#include "drawing/plot_writers.h"
#include "forms/application.h"
#include "forms/scripted_platform.h"

namespace quadrel {

constexpr int ExitSuccess = 0;
constexpr int ExitStopped = 2;

constexpr std::string_view Prefix = "quadrel: ";

// Every message of the command line starts with the program's name, so that
// it can be told from others in a script's output; a numbered message loses
// the blanks that place it in the message area.
void Tell(std::ostream& err, std::string_view text);

// The forms on a scripted platform; every error report goes to `err` as it
// happens.
class Session {
public:
    explicit Session(std::ostream& err);

    ScriptedPlatform platform;
    QuadrelApplication app{platform};
    TMGridInfo& form = app.MGridInfo;
    int ErrorsReported = 0;

private:
    std::ostream& err_;
};

// The date printed in title blocks, as YYYY-MM-DD: that of
// SOURCE_DATE_EPOCH (seconds since 1970, UTC) when set, so that a drawing
// can be made again byte for byte, else today's.
std::string DrawingDate();

// The message area's text when a numbered message stopped the command.
int StoppedByMessage(const Session& session, std::ostream& err);

// Opens the grid data file and makes grid set `setNumber` (1 = first of the
// file; default the last) current with its limits determined. An exit
// status when that failed.
std::optional<int> OpenGridSet(Session& session, const std::string& gridFile,
                               std::optional<int> setNumber, std::ostream& err);

// Opens the title block data file and shows title set `setNumber` in the
// title block form, which is closed with OK. An exit status when that failed.
std::optional<int> OpenTitleSet(Session& session, const std::string& titleFile, int setNumber,
                                std::ostream& err);

// What the drawing commands draw: a grid set of a grid data file and,
// with a title block data file, one of its title sets.
struct SheetChoice {
    std::string Grid;
    std::optional<int> Set;  // default: the last set of the file
    std::optional<std::string> Title;
    int TitleSet = 1;
};

SheetChoice ReadSheetChoice(const Options& options, const std::string& usage);

// Shows the chosen sets on the forms as a person would before pressing
// Create output. An exit status when that failed.
std::optional<int> ShowSheet(Session& session, const SheetChoice& choice, std::ostream& err);

}  // namespace quadrel

// Start-up of the desktop window and the plot writers, for the desktop
// program's entry point. Free of Qt.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>

#include "drawing/plot_writers.h"

namespace quadrel {

// What the desktop program was asked for, its options parsed by the
// command line's parser: the window, opened on the files named, or its
// screenshots of the files into `Dir`.
struct DesktopRequest {
    bool Screenshots = false;
    std::optional<std::filesystem::path> Grid;
    std::optional<std::filesystem::path> Title;
    std::filesystem::path Dir;
};

// Runs the window until the program ends, or takes the screenshots;
// returns the exit status.
int RunDesktop(int argc, char** argv, const DesktopRequest& request, std::ostream& out,
               std::ostream& err);

// The plot formats for the command line, written with Qt. Qt starts on the
// first plot (on the offscreen platform unless QT_QPA_PLATFORM names one),
// so commands that plot nothing never start it; it ends with this object.
class DesktopPlots {
public:
    DesktopPlots(int argc, char** argv);
    ~DesktopPlots();
    DesktopPlots(const DesktopPlots&) = delete;
    DesktopPlots& operator=(const DesktopPlots&) = delete;

    const PlotWriters& Writers() const { return writers_; }

private:
    void StartQt();

    int argc_;
    char** argv_;
    struct Qt;
    std::unique_ptr<Qt> qt_;
    PlotWriters writers_;
};

}  // namespace quadrel

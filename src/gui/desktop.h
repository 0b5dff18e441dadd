// Start-up of the desktop window and the plot writers, for the desktop
// program's entry point. Free of Qt.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "dxf/plot_writers.h"

namespace quadrel {

// Runs the window until the program ends; returns the exit status.
int RunDesktop(int argc, char** argv, const std::vector<std::string>& arguments,
               std::ostream& out, std::ostream& err);

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

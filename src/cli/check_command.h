// What `quadrel check` and `quadrel series` tell of the sheet check.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/sheet_check.h"

namespace quadrel {

// The name the title block prints when a sheet is only checked: the drawing
// `dxf` would most likely write, the grid data file's name with ".dxf".
std::string CheckedDrawingName(const std::string& gridFile);

// Prints one line per conflict, or with `json` the JSON list; the exit
// status of `check`: 0 without conflicts, 1 with.
int ReportSheetCheck(const std::vector<SheetConflict>& conflicts, bool json, std::ostream& out);

// The sets of a series whose sheets have conflicts, told after its files.
class SeriesConflicts {
public:
    void Add(int set, const std::string& name, const SheetRecorder& sheet, const MapLayout& layout);
    void Print(std::ostream& out) const;

private:
    struct Counted {
        int Set;
        std::string Name;
        std::size_t Conflicts;
    };
    std::vector<Counted> sets_;
};

}  // namespace quadrel

#include "cli/check_command.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "app/path_text.h"

namespace quadrel {

bool TakeFlag(std::vector<std::string>& arguments, std::string_view flag) {
    return std::erase(arguments, std::string(flag)) > 0;
}

std::string CheckedDrawingName(const std::string& gridFile) {
    return Utf8Path(PathFromUtf8(gridFile).replace_extension(".dxf"));
}

int ReportSheetCheck(const std::vector<SheetConflict>& conflicts, bool json, std::ostream& out) {
    if (json) {
        out << ConflictsJson(conflicts);
    } else {
        for (const SheetConflict& conflict : conflicts) out << ConflictLine(conflict) << '\n';
    }
    return conflicts.empty() ? 0 : 1;
}

void SeriesConflicts::Add(int set, const std::string& name, const SheetRecorder& sheet,
                          const MapLayout& layout) {
    const std::size_t count = CheckSheet(sheet, layout).size();
    if (count > 0) sets_.push_back({set, name, count});
}

void SeriesConflicts::Print(std::ostream& out) const {
    for (const Counted& counted : sets_) {
        out << "set " << counted.Set << " (" << counted.Name << "): " << counted.Conflicts
            << (counted.Conflicts == 1 ? " conflict" : " conflicts") << '\n';
    }
}

}  // namespace quadrel

// Writers of recorded sheets in the formats that need a graphics library
// (PDF, SVG, PNG). The program's entry point hands them to the command line,
// which thus draws plots without depending on that library.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

#include "base/path_text.h"
#include "drawing/sheet_recorder.h"
#include "drawing/world_file.h"
#include "layout/map_layout.h"

namespace quadrel {

// One drawn sheet: its entities, the layout that sizes its page, and what
// its labels add to the coordinates (which places a picture on the map).
struct PlotPage {
    const SheetRecorder* Sheet = nullptr;
    const MapLayout* Layout = nullptr;
    MapOffset Offset;
};

// The pages of one PDF, drawn one at a time as the writer comes to them:
// a series of dense sheets would not fit in memory all at once.
struct PlotPageSource {
    std::size_t Count = 0;
    // Draws page `index` (0 is the first); what it returns may be valid only
    // until the next call. Throws as drawing a sheet does.
    std::function<PlotPage(std::size_t index)> Page;
};

inline constexpr int DefaultPlotDpi = 150;

// The extension of a plot file in lower case (".pdf", ".svg", ".png" are
// the plots'), so that "SHEET.PDF" is a PDF too.
inline std::string PlotExtension(const std::filesystem::path& path) {
    std::string extension = Utf8Path(path.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

struct PlotWriters {
    // Writes the sheet to `path` in the format of its extension (.pdf, .svg,
    // .png); `dpi` is for PNG. Throws std::runtime_error naming the path.
    std::function<void(const PlotPage& page, const std::filesystem::path& path, int dpi)>
        WriteSheet;
    // Writes the sheets as the pages of one PDF, asking for each page as it
    // is written.
    std::function<void(const PlotPageSource& pages, const std::filesystem::path& path)> WritePages;
};

}  // namespace quadrel

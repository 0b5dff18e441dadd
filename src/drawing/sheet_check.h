// The sheet check: which of a recorded sheet's texts overprint each other,
// the north arrow, the title block's rules or the grid's border, which
// stand outside the sheet and which are too small to read on paper. The
// drawing itself is not changed; the check only names what to look at
// before plotting.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/sheet_recorder.h"
#include "layout/map_layout.h"

namespace quadrel {

// On paper no text shorter than this can be read.
inline constexpr double SmallestTextMillimetres = 1.0;

enum class SheetItemKind { Text, NorthArrow, TitleBlockRule, GridBorder, Sheet };

// One side of a conflict: a text by its layer and text, anything else by
// its kind alone.
struct SheetItem {
    SheetItemKind Kind = SheetItemKind::Text;
    std::string Layer;
    std::string Text;
};

enum class ConflictKind {
    Over,      // ink meets ink: First over Second
    Outside,   // First reaches past the sheet's edge (Second is the sheet)
    TooSmall,  // First is shorter than SmallestTextMillimetres on paper
};

struct SheetConflict {
    ConflictKind Kind = ConflictKind::Over;
    SheetItem First;
    SheetItem Second;
    // The middle of the overlap (of the part outside; of a small text's
    // insertion point), in sheet inches from the sheet's lower-left corner.
    double X = 0;
    double Y = 0;
    // How far the overlap (the part outside) reaches along each axis, in
    // sheet inches; 0 for a small text.
    double Width = 0;
    double Height = 0;
    double TextMillimetres = 0;  // the text's height on paper
    // The entity of First in the recorder (the arrow's first polyline).
    std::size_t FirstEntity = 0;
    // The overlap's bounds in drawing units, for outlining on the sheet.
    SheetExtents Region;
};

// The conflicts of a recorded sheet, in the order of the entities they
// concern. Texts are measured by InkOfText; the bold copies of a text,
// each shifted a little along its baseline, count as one text. A layout
// whose units per inch are not positive gives no paper to measure on, and
// no conflict.
std::vector<SheetConflict> CheckSheet(const SheetRecorder& sheet, const MapLayout& layout);

// The corners of a text's ink in drawing units, counter-clockwise from its
// lower left as the text reads, as the check measures it; nothing for a
// text without ink.
std::optional<std::array<SheetPoint, 4>> TextOutline(const SheetRecorder& sheet,
                                                     const SheetEntity& text);

// "Grid "LATITUDE" over HTicks "19850.0" at 0.41, 3.95 in (overlap 0.08 x
// 0.10 in)".
std::string ConflictLine(const SheetConflict& conflict);

// The conflicts as a JSON list of objects, for scripts.
std::string ConflictsJson(const std::vector<SheetConflict>& conflicts);

}  // namespace quadrel

#include "datafiles/grid_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "base/atomic_file.h"
#include "base/text.h"
#include "datafiles/data_lines.h"
#include "datafiles/value_line.h"
#include "model/grid_shape.h"

namespace quadrel {
namespace {

// How a value line is written out: padded with blanks to a width, or (lines
// 2 and 14, whose values are single letters) followed by a fixed run of
// blanks whatever the value's length.
enum class Padding { ToWidth, FixedBlanks };

// One of the first 15 lines of a set; the 16th is the separator. A line with
// one field and no defaults holds a whole value; the others hold words.
struct GridLineLayout {
    std::vector<GridFieldPointer> Fields;
    std::vector<std::string_view> Defaults;  // word lines: used when words are missing
    GridFieldPointer Position;               // word lines whose values need a tick code
    Padding Pad;
    std::size_t Width;
    std::string_view Comment;

    bool IsWholeValue() const { return Defaults.empty(); }
};

// An axis line: min, max, grid, scale, add, constant.
GridLineLayout AxisLine(const AxisFields& axis, std::string_view comment) {
    return {{axis.Min, axis.Max, axis.Grid, axis.Scale, axis.Add, axis.Const},
            {"", "", "", "", "0", "0.0"},
            nullptr,
            Padding::ToWidth,
            50,
            comment};
}

// A tick side's two lines: the type and the two lengths, then the range and
// spacing, which need a tick code.
GridLineLayout TickLengthLine(const TickSideFields& side, std::string_view comment) {
    return {{side.Type, side.FirstLength, side.SecondLength},
            {"0", "", ""},
            nullptr,
            Padding::ToWidth,
            30,
            comment};
}

GridLineLayout TickRangeLine(const TickSideFields& side, std::string_view comment) {
    return {{side.Start, side.End, side.Spacing},
            {"", "", ""},
            side.Type,
            Padding::ToWidth,
            30,
            comment};
}

const std::array<GridLineLayout, GridLinesPerSet - 1>& GridLineLayouts() {
    using S = GridSet;
    using P = Padding;
    // clang-format off
    static const std::array<GridLineLayout, GridLinesPerSet - 1> layouts{{
        {{&S::Description}, {}, nullptr, P::ToWidth, 60, "/ Description (60 chars. Max.)"},
        {{&S::ImpMet}, {}, nullptr, P::FixedBlanks, 29, "/ Metric or Imperial (M or I)"},
        {{&S::XAxisTitle}, {}, nullptr, P::ToWidth, 30, "/ X-axis title (30 chars. Max.)"},
        {{&S::YAxisTitle}, {}, nullptr, P::ToWidth, 30, "/ Y-axis title (30 chars. Max.)"},
        AxisLine(XAxisFields, "/ XMin, XMax, XGrid, XScale, XAdd, XConst"),
        AxisLine(YAxisFields, "/ YMin, YMax, YGrid, YScale, YAdd, YConst"),
        TickLengthLine(HorizontalTickFields, "/ HtPosition, HtLength(left), HtLength(right)"),
        TickRangeLine(HorizontalTickFields, "/ HtStart, HtEnd, HtSpacing"),
        TickLengthLine(VerticalTickFields, "/ VtPosition, VtLength(top), VtLength(bottom)"),
        TickRangeLine(VerticalTickFields, "/ VtStart, VtEnd, Vtspacing"),
        {{&S::BorderSize}, {}, nullptr, P::ToWidth, 30, "/ Border around grid"},
        {{CutFields.begin(), CutFields.end()}, {"0.000", "0.000", "0.000", "0.000"}, nullptr,
         P::ToWidth, 30,
         "/ Cutting border (inches: Left, Right, Top, Bottom)"},
        {{&S::NorthArrowCorner, &S::NorthArrowSize, &S::NorthArrowDistance},
         {"UR", "0.500", "0.0"}, nullptr, P::ToWidth, 30,
         "/ North Arrow (LR, LL, UL, UR), Size, Distance from map edge"},
        {{&S::TitleBlockFlag}, {}, nullptr, P::FixedBlanks, 29, "/ Title block      (Y or N)"},
        {{&S::TitleBlockType}, {}, nullptr, P::ToWidth, 30, "/ Title block type (A, B, etc.)"},
    }};
    // clang-format on
    return layouts;
}

// Stores line `k` (1 to 15) of a set. Values taken from the file go into both
// the working and the as-read set; defaults into the working set only, so
// that they count as changes.
void StoreGridLine(int k, std::string_view line, GridSet& working, GridSet& asRead) {
    const GridLineLayout& layout = GridLineLayouts()[static_cast<std::size_t>(k - 1)];
    const std::string value = GridLineValue(line);
    if (layout.IsWholeValue()) {
        working.*layout.Fields[0] = value;
        asRead.*layout.Fields[0] = value;
        return;
    }
    const std::vector<std::string_view> words = SplitWords(value);
    const bool noTicks = layout.Position != nullptr && working.*layout.Position == "0";
    if (words.size() < layout.Fields.size() || noTicks) {
        for (std::size_t i = 0; i < layout.Fields.size(); ++i) {
            working.*layout.Fields[i] = layout.Defaults[i];
        }
        return;
    }
    for (std::size_t i = 0; i < layout.Fields.size(); ++i) {
        working.*layout.Fields[i] = words[i];
        asRead.*layout.Fields[i] = words[i];
    }
}

std::string GridLineText(const GridLineLayout& layout, GridSet& set) {
    std::string text;
    if (layout.IsWholeValue()) {
        std::string& field = set.*layout.Fields[0];
        field = Trim(field);
        text = field;
    } else {
        for (std::size_t i = 0; i < layout.Fields.size(); ++i) {
            if (i > 0) text += ' ';
            text += Trim(set.*layout.Fields[i]);
        }
    }
    if (layout.Pad == Padding::FixedBlanks) {
        text.append(layout.Width, ' ');
    } else {
        text = PadRight(text, layout.Width);
    }
    text += layout.Comment;
    return text;
}

}  // namespace

ReadOutcome ReadGridLines(std::istream& in, GridSetStore& store) {
    const std::int32_t held = std::clamp(store.GridSetCount, 0, MaxGridSets);
    const std::vector<std::string> lines =
        ReadDataLines(in, static_cast<std::size_t>(GridLinesPerSet * (MaxGridSets - held)));

    int k = 0;
    for (const std::string& line : lines) {
        ++k;
        if (k == 1) {
            if (store.GridSetCount >= MaxGridSets) {
                store.GridSetCount = MaxGridSets;
                return ReadOutcome::CapacityReached;
            }
            store.GridSetCount = std::max(store.GridSetCount, 0) + 1;
            store.CurrentGridSet = store.GridSetCount - 1;
        }
        if (k == GridLinesPerSet) {
            k = 0;
        } else {
            const auto index = static_cast<std::size_t>(store.CurrentGridSet);
            StoreGridLine(k, line, store.GridSets[index], store.AsReadGridSets[index]);
        }
        ++store.GridLinesRead;
        ++store.GridLineCount;
    }
    return ReadOutcome::EndOfFile;
}

ReadOutcome ReadGridFile(const std::filesystem::path& path, GridSetStore& store) {
    ReadOutcome outcome = ReadOutcome::EndOfFile;
    ReadDataFile(path, [&](std::istream& in) { outcome = ReadGridLines(in, store); });
    return outcome;
}

std::string GridFileText(GridSetStore& store) {
    std::string text;
    const std::int32_t count = std::clamp(store.GridSetCount, 0, MaxGridSets);
    for (std::int32_t s = 0; s < count; ++s) {
        GridSet& set = store.GridSets[static_cast<std::size_t>(s)];
        for (const GridLineLayout& layout : GridLineLayouts()) {
            text += GridLineText(layout, set);
            text += '\n';
        }
        text += " \n";
    }
    return text;
}

void WriteGridFile(const std::filesystem::path& path, GridSetStore& store) {
    WriteFileAtomically(path, GridFileText(store));
}

}  // namespace quadrel

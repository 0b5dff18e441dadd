#include "model/set_store.h"

#include <algorithm>
#include <utility>

#include "base/text.h"

namespace quadrel {

// clang-format off
#define QUADREL_GRID_FIELD(name, label) GridFieldInfo{&GridSet::name, #name, label}
// clang-format on

// Labelled as the form shows them: the row or group, then the column head.
const std::array<GridFieldInfo, GridFieldCount> GridFields{{
    QUADREL_GRID_FIELD(Description, "Description"),
    QUADREL_GRID_FIELD(ImpMet, "Imperial or Metric (I/M)"),
    QUADREL_GRID_FIELD(XAxisTitle, "X-Axis Title"),
    QUADREL_GRID_FIELD(YAxisTitle, "Y-Axis Title"),
    QUADREL_GRID_FIELD(XMin, "X-Axis Minimum"),
    QUADREL_GRID_FIELD(XMax, "X-Axis Maximum"),
    QUADREL_GRID_FIELD(XGrid, "X-Axis Grid Spacing"),
    QUADREL_GRID_FIELD(XScale, "X-Axis Scale"),
    QUADREL_GRID_FIELD(XAdd, "X-Axis Add"),
    QUADREL_GRID_FIELD(XConst, "X-Axis Constant to add"),
    QUADREL_GRID_FIELD(YMin, "Y-Axis Minimum"),
    QUADREL_GRID_FIELD(YMax, "Y-Axis Maximum"),
    QUADREL_GRID_FIELD(YGrid, "Y-Axis Grid Spacing"),
    QUADREL_GRID_FIELD(YScale, "Y-Axis Scale"),
    QUADREL_GRID_FIELD(YAdd, "Y-Axis Add"),
    QUADREL_GRID_FIELD(YConst, "Y-Axis Constant to add"),
    QUADREL_GRID_FIELD(HtPosition, "Tick Marks Left/Right Type"),
    QUADREL_GRID_FIELD(HtLengthLeft, "Tick Marks Left"),
    QUADREL_GRID_FIELD(HtLengthRight, "Tick Marks Right"),
    QUADREL_GRID_FIELD(HtStart, "Tick Marks Left/Right Minimum"),
    QUADREL_GRID_FIELD(HtEnd, "Tick Marks Left/Right Maximum"),
    QUADREL_GRID_FIELD(HtSpacing, "Tick Marks Left/Right Spacing"),
    QUADREL_GRID_FIELD(VtPosition, "Tick Marks Top/Bottom Type"),
    QUADREL_GRID_FIELD(VtLengthTop, "Tick Marks Top"),
    QUADREL_GRID_FIELD(VtLengthBottom, "Tick Marks Bottom"),
    QUADREL_GRID_FIELD(VtStart, "Tick Marks Top/Bottom Minimum"),
    QUADREL_GRID_FIELD(VtEnd, "Tick Marks Top/Bottom Maximum"),
    QUADREL_GRID_FIELD(VtSpacing, "Tick Marks Top/Bottom Spacing"),
    QUADREL_GRID_FIELD(BorderSize, "Border size around grid"),
    QUADREL_GRID_FIELD(CutLeft, "Cutting Marks Left"),
    QUADREL_GRID_FIELD(CutRight, "Cutting Marks Right"),
    QUADREL_GRID_FIELD(CutTop, "Cutting Marks Top"),
    QUADREL_GRID_FIELD(CutBottom, "Cutting Marks Bottom"),
    QUADREL_GRID_FIELD(NorthArrowCorner, "North Arrow corner"),
    QUADREL_GRID_FIELD(NorthArrowSize, "North Arrow Size"),
    QUADREL_GRID_FIELD(NorthArrowDistance, "North Arrow Distance from map edge"),
    QUADREL_GRID_FIELD(TitleBlockFlag, "Title Block Plot"),
    QUADREL_GRID_FIELD(TitleBlockType, "Title Block Type"),
}};

#undef QUADREL_GRID_FIELD

GridSet BlankGridSet() {
    GridSet set = NewGridSet();
    set.Description.clear();
    for (auto field :
         {&GridSet::YMin, &GridSet::YMax, &GridSet::YGrid, &GridSet::YScale, &GridSet::XMin,
          &GridSet::XMax, &GridSet::XGrid, &GridSet::XScale, &GridSet::HtLengthLeft,
          &GridSet::HtLengthRight, &GridSet::VtLengthTop, &GridSet::VtLengthBottom}) {
        (set.*field).clear();
    }
    return set;
}

GridSet NewGridSet() {
    GridSet set;
    set.Description = "Enter a description for this set.";
    set.ImpMet = "M";
    set.YMin = set.XMin = "0.0";
    set.YMax = set.XMax = "1000.0";
    set.YGrid = set.XGrid = "100.0";
    set.YScale = set.XScale = "1000.0";
    set.YAdd = set.XAdd = "0";
    set.YConst = set.XConst = "0.0";
    set.HtPosition = set.VtPosition = "0";
    set.HtLengthLeft = set.HtLengthRight = set.VtLengthTop = set.VtLengthBottom = "0.25";
    set.BorderSize = "0.000";
    set.CutLeft = set.CutRight = set.CutTop = set.CutBottom = "0.000";
    set.NorthArrowCorner = "UR";
    set.NorthArrowSize = "0.5";
    set.NorthArrowDistance = "0.0";
    set.TitleBlockFlag = "N";
    set.TitleBlockType = "A";
    return set;
}

GridSetStore::GridSetStore() {
    GridSets[0] = BlankGridSet();
}

bool GridSetStore::GridSetsChanged() const {
    if (GridLineCount == 0) return false;
    if (GridLineCount != GridLinesRead) return true;
    for (std::int32_t s = 0; s < GridSetCount && s < MaxGridSets; ++s) {
        const auto index = static_cast<std::size_t>(s);
        const GridSet& set = GridSets[index];
        if (set != AsReadGridSets[index] && set != AsShownGridSets[index]) return true;
    }
    return false;
}

void GridSetStore::NoteShown(std::int32_t index, const GridSet& beforeShowing) {
    if (index < 0 || index >= MaxGridSets) return;
    const auto at = static_cast<std::size_t>(index);
    if (beforeShowing == AsReadGridSets[at]) AsShownGridSets[at] = GridSets[at];
}

GridSet& GridSetStore::Current() {
    const std::int32_t last = std::max(SetsInUse(), std::int32_t{1}) - 1;
    CurrentGridSet = std::clamp(CurrentGridSet, std::int32_t{0}, last);
    return GridSets[static_cast<std::size_t>(CurrentGridSet)];
}

std::int32_t GridSetStore::SetsInUse() const {
    return std::clamp(GridSetCount, std::int32_t{0}, MaxGridSets);
}

void GridSetStore::EnsureFirstSet() {
    if (GridFileLoaded || GridSetCount != 0) return;
    GridSetCount = 1;
    GridLineCount += GridLinesPerSet;
    CurrentGridSet = 0;
}

bool GridSetStore::Append() {
    if (!GridFileLoaded) return false;
    const std::int32_t count = SetsInUse();
    if (count >= MaxGridSets) return false;
    GridSetCount = count + 1;
    CurrentGridSet = GridSetCount - 1;
    GridLineCount += GridLinesPerSet;
    Current() = NewGridSet();
    return true;
}

void GridSetStore::DeleteCurrent() {
    const std::int32_t count = SetsInUse();
    if (count == 0) return;
    const std::int32_t current = std::clamp<std::int32_t>(CurrentGridSet, 0, count - 1);
    if (count == 1) {
        GridSets[0] = BlankGridSet();
    } else {
        // The sets after the deleted one move down; their copies as read do
        // not, so the moved sets count as changed.
        auto first = GridSets.begin();
        std::copy(first + current + 1, first + count, first + current);
        // The place left at the end is unused again, as at start-up.
        GridSets[static_cast<std::size_t>(count - 1)] = GridSet{};
    }
    GridLineCount -= GridLinesPerSet;
    GridSetCount = std::max<std::int32_t>(count - 1, 1);
    CurrentGridSet = std::max<std::int32_t>(current - 1, 0);
}

void GridSetStore::StepUp() {
    const std::int32_t count = SetsInUse();
    if (count == 0) return;
    const std::int32_t current = std::clamp<std::int32_t>(CurrentGridSet, 0, count - 1);
    CurrentGridSet = std::min<std::int32_t>(current + 1, count - 1);
}

void GridSetStore::StepDown() {
    const std::int32_t count = SetsInUse();
    if (count == 0) return;
    const std::int32_t current = std::clamp<std::int32_t>(CurrentGridSet, 0, count - 1);
    CurrentGridSet = std::max<std::int32_t>(current - 1, 0);
}

TitleSetStore::TitleSetStore() {
    for (std::int32_t line = 0; line < TitleLinesPerSet; ++line) {
        TitleLines[static_cast<std::size_t>(line)] = " ";
    }
}

bool TitleSetStore::TitleSetsChanged() const {
    if (TitleLineCount == 0) return false;
    if (TitleLineCount != TitleLinesRead) return true;
    for (std::int32_t line = 0; line < TitleLineCount && line < MaxTitleLines; ++line) {
        const auto index = static_cast<std::size_t>(line);
        if (Trim(TitleLines[index]) != Trim(AsReadTitleLines[index])) return true;
    }
    return false;
}

namespace {
constexpr std::size_t LinesPerTitleSet = static_cast<std::size_t>(TitleLinesPerSet);
}  // namespace

std::optional<std::size_t> TitleSetStore::CurrentSetStart() const {
    if (CurrentTitleSet < 1 || CurrentTitleSet > MaxTitleSets) return std::nullopt;
    return LinesPerTitleSet * static_cast<std::size_t>(CurrentTitleSet - 1);
}

void TitleSetStore::EnsureFirstSet() {
    if (TitleFileLoaded || TitleSetCount != 0) return;
    TitleSetCount = 1;
    TitleLineCount += TitleLinesPerSet;
}

void TitleSetStore::StoreField(std::size_t field, std::string text) {
    EnsureFirstSet();
    const auto start = CurrentSetStart();
    if (!start || field >= static_cast<std::size_t>(TitleFieldCount)) return;
    TitleLines[*start + field] = std::move(text);
}

bool TitleSetStore::Append() {
    if (!TitleFileLoaded || TitleSetCount >= MaxTitleSets) return false;
    ++TitleSetCount;
    CurrentTitleSet = TitleSetCount;
    TitleLineCount += TitleLinesPerSet;
    if (const auto start = CurrentSetStart()) {
        TitleLines[*start] = "New set";
        for (std::size_t k = 1; k < static_cast<std::size_t>(TitleFieldCount); ++k) {
            TitleLines[*start + k].clear();
        }
    }
    return true;
}

void TitleSetStore::DeleteCurrent() {
    if (TitleSetCount <= 0) return;
    if (TitleSetCount == 1) {
        for (std::size_t line = 0; line < LinesPerTitleSet; ++line) TitleLines[line].clear();
    } else if (CurrentTitleSet >= 1 && CurrentTitleSet < TitleSetCount) {
        // Later sets move up one place; the as-read copies stay where the
        // file put them, so the move counts as a change.
        const std::size_t from = LinesPerTitleSet * static_cast<std::size_t>(CurrentTitleSet);
        const std::size_t to = std::min(LinesPerTitleSet * static_cast<std::size_t>(TitleSetCount),
                                        static_cast<std::size_t>(MaxTitleLines));
        for (std::size_t line = from; line < to; ++line) {
            TitleLines[line - LinesPerTitleSet] = TitleLines[line];
        }
    }
    // A file whose last set was incomplete holds fewer lines than its sets
    // would; the count never goes below nothing.
    TitleLineCount = std::max(TitleLineCount - TitleLinesPerSet, 0);
    TitleSetCount = std::max(TitleSetCount - 1, 0);
    CurrentTitleSet = std::max(CurrentTitleSet - 1, 1);
}

void TitleSetStore::StepUp() {
    CurrentTitleSet = std::max(std::min(CurrentTitleSet + 1, TitleSetCount), 1);
}

void TitleSetStore::StepDown() {
    CurrentTitleSet = std::max(CurrentTitleSet - 1, 1);
}

}  // namespace quadrel

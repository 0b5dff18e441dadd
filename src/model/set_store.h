// The in-memory grid sets and title sets: capacities, counts, the copies as
// read from the data files, and the rule that says whether there is anything
// to save.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrel {

inline constexpr std::int32_t MaxGridSets = 50;
inline constexpr std::int32_t GridLinesPerSet = 16;
inline constexpr std::int32_t GridFieldCount = 38;

inline constexpr std::int32_t MaxTitleSets = 50;
inline constexpr std::int32_t TitleLinesPerSet = 14;
inline constexpr std::int32_t TitleFieldCount = 13;
inline constexpr std::int32_t MaxTitleLines = MaxTitleSets * TitleLinesPerSet;

// One map sheet's parameters. Every field is text, exactly as typed or read;
// numbers are converted where they are used. Declared in data file order.
struct GridSet {
    std::string Description;
    std::string ImpMet;
    std::string XAxisTitle;
    std::string YAxisTitle;
    std::string XMin;
    std::string XMax;
    std::string XGrid;
    std::string XScale;
    std::string XAdd;
    std::string XConst;
    std::string YMin;
    std::string YMax;
    std::string YGrid;
    std::string YScale;
    std::string YAdd;
    std::string YConst;
    std::string HtPosition;
    std::string HtLengthLeft;
    std::string HtLengthRight;
    std::string HtStart;
    std::string HtEnd;
    std::string HtSpacing;
    std::string VtPosition;
    std::string VtLengthTop;
    std::string VtLengthBottom;
    std::string VtStart;
    std::string VtEnd;
    std::string VtSpacing;
    std::string BorderSize;
    std::string CutLeft;
    std::string CutRight;
    std::string CutTop;
    std::string CutBottom;
    std::string NorthArrowCorner;
    std::string NorthArrowSize;
    std::string NorthArrowDistance;
    std::string TitleBlockFlag;
    std::string TitleBlockType;

    bool operator==(const GridSet&) const = default;
};

using GridFieldPointer = std::string GridSet::*;

struct GridFieldInfo {
    GridFieldPointer Field;
    std::string_view Name;
    // How the data entry form names the field, for messages a person reads.
    std::string_view Label;
};

// All 38 fields in data file order, for code that treats them alike
// (comparison, tests, diagnostics).
extern const std::array<GridFieldInfo, GridFieldCount> GridFields;

// The set that exists at start-up and that deleting the only set leaves.
GridSet BlankGridSet();
// The set that Add Set appends.
GridSet NewGridSet();

// The grid side of the set store, owned by the main form.
struct GridSetStore {
    GridSetStore();

    std::array<GridSet, MaxGridSets> GridSets;
    std::array<GridSet, MaxGridSets> AsReadGridSets;
    // What showing made of a set as read. Showing corrects some texts the
    // same way every time ("0.5" is shown as "0.500"): no person's change.
    std::array<std::optional<GridSet>, MaxGridSets> AsShownGridSets;
    std::int32_t GridSetCount = 0;
    std::int32_t CurrentGridSet = 0;
    bool GridFileLoaded = false;
    std::int32_t GridLinesRead = 0;
    std::int32_t GridLineCount = 0;

    // The current set. The index addresses a set in use, or set 0 while
    // there is none; should a reader leave it out of range, it is pulled
    // back to the nearest set rather than letting a writer go beyond the
    // table.
    GridSet& Current();
    const GridSet& Current() const { return GridSets.at(static_cast<std::size_t>(CurrentGridSet)); }
    // GridSetCount as far as the table can hold it.
    std::int32_t SetsInUse() const;

    // Before a data file is read, the first typed field creates set 0.
    void EnsureFirstSet();
    // A new set after the last one, made current. False before a data file
    // was read (the form holds only the set typing made) or when full.
    bool Append();
    // Removes the current set; the one before it becomes current. Deleting
    // the only set leaves one blank set. Nothing happens with no set.
    void DeleteCurrent();
    void StepUp();
    void StepDown();

    // Whether the sets in use differ from what the grid data file gave, or
    // from what showing made of it.
    bool GridSetsChanged() const;
    // Set `index` has been shown; `beforeShowing` is what it held before.
    void NoteShown(std::int32_t index, const GridSet& beforeShowing);
};

// The thirteen texts printed in a title block, in data file order.
struct TitleSet {
    std::string Company1;
    std::string Company2;
    std::string MainTitle1;
    std::string MainTitle2;
    std::string MainTitle3;
    std::string Office;
    std::string Department;
    std::string MapIndex;
    std::string DrawingNumber;
    std::string DrawnBy;
    std::string CheckedBy;
    std::string ApprovedBy;
    std::string PreparedBy;

    bool operator==(const TitleSet&) const = default;
};

using TitleFieldPointer = std::string TitleSet::*;

// The thirteen fields in data file order.
inline constexpr std::array<TitleFieldPointer, TitleFieldCount> TitleFields{
    &TitleSet::Company1,      &TitleSet::Company2, &TitleSet::MainTitle1, &TitleSet::MainTitle2,
    &TitleSet::MainTitle3,    &TitleSet::Office,   &TitleSet::Department, &TitleSet::MapIndex,
    &TitleSet::DrawingNumber, &TitleSet::DrawnBy,  &TitleSet::CheckedBy,  &TitleSet::ApprovedBy,
    &TitleSet::PreparedBy};

// The title side of the set store, owned by the title block form. Set s
// (from 0) occupies lines 14s .. 14s+13: its 13 fields, then the separator.
struct TitleSetStore {
    TitleSetStore();

    std::array<std::string, MaxTitleLines> TitleLines;
    std::array<std::string, MaxTitleLines> AsReadTitleLines;
    std::int32_t TitleSetCount = 0;
    std::int32_t CurrentTitleSet = 1;  // counted from 1
    bool TitleFileLoaded = false;
    std::int32_t TitleLinesRead = 0;
    std::int32_t TitleLineCount = 0;

    // Whether the title lines in use differ from what the title block data
    // file gave (leading and trailing blanks do not count).
    bool TitleSetsChanged() const;

    // Where the current set's first line is; nothing when no set is current.
    std::optional<std::size_t> CurrentSetStart() const;
    // Before a data file is read, the first keystroke creates title set 1.
    void EnsureFirstSet();
    // Field `field` of the current set, the first set made if need be.
    void StoreField(std::size_t field, std::string text);
    // A new set "New set" after the last one, made current; false before a
    // data file was read or when full.
    bool Append();
    // Removes the current set; the one before it becomes current. Deleting
    // the only set empties its lines. Nothing happens with no set.
    void DeleteCurrent();
    void StepUp();
    void StepDown();
};

}  // namespace quadrel

// Adding, deleting and stepping between the grid sets. The arrows only move
// between sets; nothing here reorders them.
#include <algorithm>
#include <cstdint>

#include "forms/mgrid.h"
#include "forms/reallydeletesetform.h"

namespace quadrel {

void TMGridInfo::ButtonAddSetClick() {
    // Before a grid data file is read the form holds only the set that
    // typing made.
    if (!Store.GridFileLoaded) return;
    const std::int32_t count = SetsInUse();
    if (count >= MaxGridSets) return;
    Store.GridSetCount = count + 1;
    Store.CurrentGridSet = Store.GridSetCount - 1;
    Store.GridLineCount += GridLinesPerSet;
    ShownSet() = NewGridSet();
    ShowGridSet();
}

void TMGridInfo::ButtonDeleteSetClick() {
    const std::int32_t count = SetsInUse();
    if (count == 0 || reallyDeleteSet_ == nullptr) return;
    // Only an explicit OK deletes; every other way out of the dialog keeps
    // the set.
    if (GetPlatform().ShowModal(*reallyDeleteSet_) != ModalResultOk) return;

    MessageArea.SetCaption(" ");
    const std::int32_t current = std::clamp<std::int32_t>(Store.CurrentGridSet, 0, count - 1);
    if (count == 1) {
        Store.GridSets[0] = BlankGridSet();
    } else {
        // The sets after the deleted one move down; their copies as read do
        // not, so the moved sets count as changed.
        auto first = Store.GridSets.begin();
        std::copy(first + current + 1, first + count, first + current);
        // The place left at the end is unused again, as at start-up.
        Store.GridSets[static_cast<std::size_t>(count - 1)] = GridSet{};
    }
    Store.GridLineCount -= GridLinesPerSet;
    Store.GridSetCount = std::max<std::int32_t>(count - 1, 1);
    Store.CurrentGridSet = std::max<std::int32_t>(current - 1, 0);

    // With no line left the one blank set has nothing to determine or draw.
    // Showing it runs the field handlers, which switch the buttons on again,
    // so they are switched off once more after the show.
    const bool nothingLeft = Store.GridLineCount == 0;
    const auto disableActions = [this] {
        DetermineLimitsButton.SetEnabled(false);
        DisableOutput();
    };
    if (nothingLeft) disableActions();
    ShowGridSet();
    if (nothingLeft) disableActions();
}

void TMGridInfo::BitBtnUpClick() {
    const std::int32_t count = SetsInUse();
    if (count == 0) return;
    const std::int32_t current = std::clamp<std::int32_t>(Store.CurrentGridSet, 0, count - 1);
    Store.CurrentGridSet = std::min<std::int32_t>(current + 1, count - 1);
    ShowGridSet();
    EnableBothActions();
}

void TMGridInfo::BitBtnDownClick() {
    const std::int32_t count = SetsInUse();
    if (count == 0) return;
    const std::int32_t current = std::clamp<std::int32_t>(Store.CurrentGridSet, 0, count - 1);
    Store.CurrentGridSet = std::max<std::int32_t>(current - 1, 0);
    ShowGridSet();
    EnableBothActions();
}

}  // namespace quadrel

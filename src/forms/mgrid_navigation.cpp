// Adding, deleting and stepping between the grid sets. The arrows only move
// between sets; nothing here reorders them.
#include "forms/mgrid.h"
#include "forms/reallydeletesetform.h"
#include "forms/scoped_writes.h"

namespace quadrel {

void TMGridInfo::ButtonAddSetClick() {
    if (Store.Append()) ShowGridSet();
}

void TMGridInfo::ButtonDeleteSetClick() {
    if (Store.SetsInUse() == 0 || reallyDeleteSet_ == nullptr) return;
    // Only an explicit OK deletes; every other way out of the dialog keeps
    // the set.
    if (GetPlatform().ShowModal(*reallyDeleteSet_) != ModalResultOk) return;

    MessageArea.SetCaption(" ");
    Store.DeleteCurrent();
    if (Store.GridLineCount != 0) {
        ShowGridSet();
        return;
    }
    // With no line left the one blank set has nothing to determine or draw.
    // Showing it runs the field handlers, which switch the buttons on again.
    HeldState noActions([this] {
        DetermineLimitsButton.SetEnabled(false);
        DisableOutput();
    });
    ShowGridSet();
}

void TMGridInfo::BitBtnUpClick() {
    if (Store.SetsInUse() == 0) return;
    Store.StepUp();
    ShowGridSet();
    EnableBothActions();
}

void TMGridInfo::BitBtnDownClick() {
    if (Store.SetsInUse() == 0) return;
    Store.StepDown();
    ShowGridSet();
    EnableBothActions();
}

}  // namespace quadrel

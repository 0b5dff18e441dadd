#include "ui/mgrid.h"

namespace quadrel {

void TMGridInfo::ButtonGetFileNameClick() {}
void TMGridInfo::ButtonGetTitleDataClick() {}
void TMGridInfo::BitBtnCreateSampleFilesClick() {}
void TMGridInfo::BitBtnHelpClick() {}
void TMGridInfo::DetermineLimitsButtonClick() {}
void TMGridInfo::BitBtnCreateOutputClick() {}
void TMGridInfo::ButtonTitleBlockDataClick() {}
bool TMGridInfo::WriteGridDataFile() { return true; }

}  // namespace quadrel

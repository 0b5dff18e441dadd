#include "ui/mgrid.h"

namespace quadrel {

void TMGridInfo::ButtonAddSetClick() {}
void TMGridInfo::ButtonDeleteSetClick() {}
void TMGridInfo::BitBtnUpClick() {}
void TMGridInfo::BitBtnDownClick() {}

}  // namespace quadrel

#include "ui/mgrid.h"

namespace quadrel {

void TMGridInfo::ShowGridSet() {}

}  // namespace quadrel

#include "layout/map_layout.h"

namespace quadrel {

SheetSize ComputeMapLayout(MapLayout&, const LimitsInput&) { return {}; }


}  // namespace quadrel

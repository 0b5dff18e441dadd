#include "layout/limits_report.h"

namespace quadrel {

LimitsReport MakeLimitsReport(const MapLayout&, const SheetSize&) { return {}; }


}  // namespace quadrel

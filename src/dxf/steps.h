// The loops that step along an edge by repeated addition of a spacing.
#pragma once

#include <cstdint>

#include "dxf/dxf_writer.h"

namespace quadrel {

// Calls visit(v) for v = first, first + step, ... while v <= last, carrying
// the value forward by addition. Ends when the value no longer grows (a
// step too small for the value), runs nothing for a step that is not above
// 0, and refuses (DrawingError) more steps than a drawing may hold entities.
template <typename Visit>
void ForEachStep(double first, double last, double step, Visit&& visit) {
    if (!(step > 0)) return;
    std::int64_t steps = 0;
    for (double value = first; value <= last;) {
        if (++steps > MaxDrawingEntities) {
            throw DrawingError("A tick or grid line loop would take more than 1,000,000 steps; "
                               "choose a larger spacing.");
        }
        visit(value);
        const double next = value + step;
        if (!(next > value)) break;
        value = next;
    }
}

}  // namespace quadrel

// The loops that step along an edge or across a bar, bounded so that no
// value given by the user can keep a drawing from finishing.
#pragma once

#include <cstdint>

#include "drawing/drawing_sink.h"

namespace quadrel {

[[noreturn]] inline void RefuseTooManySteps() {
    throw DrawingError(
        "A grid line, tick or scale bar loop would take more than 1,000,000 steps; "
        "choose a larger spacing or smaller limits.");
}

// A whole number of steps from a count that may be huge or not a number at
// all: 0 for one that is not above 0; one past the entity limit is refused
// at once, before a single entity is built for it.
inline std::int64_t StepCount(double count) {
    if (!(count > 0)) return 0;
    if (count > static_cast<double>(MaxDrawingEntities)) RefuseTooManySteps();
    return static_cast<std::int64_t>(count);
}

// Calls visit(v) for v = first, first + step, ... while v <= last, carrying
// the value forward by addition. Runs nothing for a step that is not above 0,
// refuses a range of more steps than a drawing may hold entities, and ends
// when the value no longer grows (a step too small for the value).
template <typename Visit>
void ForEachStep(double first, double last, double step, Visit&& visit) {
    if (!(step > 0)) return;
    if (first <= last) StepCount((last - first) / step);
    std::int64_t steps = 0;
    for (double value = first; value <= last;) {
        // Rounding may add a step or two to the estimate above; never more.
        if (++steps > MaxDrawingEntities + 2) RefuseTooManySteps();
        visit(value);
        const double next = value + step;
        if (!(next > value)) break;
        value = next;
    }
}

}  // namespace quadrel

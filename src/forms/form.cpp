#include "forms/form.h"

#include "app/numbers.h"

namespace quadrel {

void Form::Dispatch(const EventHandler& handler) const {
    try {
        handler();
    } catch (const ConversionError& error) {
        platform_.ReportError(error.what());
    }
}

}  // namespace quadrel

#include "forms/form.h"

#include "base/numbers.h"
#include "model/messages.h"

namespace quadrel {

void Form::Dispatch(const EventHandler& handler) const {
    try {
        handler();
    } catch (const ConversionError& error) {
        platform_.ReportError(error.what());
    }
}

void Form::StoredInDataFile(Edit& edit) const {
    edit.RefusedCharacters = "/";
    edit.OnRefused = [this] { platform_.ReportError(std::string(SlashRefusedText)); };
}

}  // namespace quadrel

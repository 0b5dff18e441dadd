// Determine Limits' reading of the main form, apart from where its
// corrections go: the button writes them back into the edits and the set,
// the sheet preview keeps them on copies, so both read the same values in
// the same order and make the same layout.
#pragma once

#include <string>
#include <string_view>

#include "layout/map_layout.h"
#include "model/messages.h"
#include "model/set_store.h"

namespace quadrel {

class Edit;
class TMGridInfo;

// Written into a required edit that is empty; the edit trims it to "Fill in!".
inline constexpr std::string_view FillInMarker = " Fill in!";
inline constexpr std::string_view FillInMarkerTrimmed = "Fill in!";

// Where the determination reads the edits and puts its corrections.
class LimitsEdits {
public:
    virtual ~LimitsEdits() = default;
    // The text of `edit` as the determination sees it.
    virtual std::string Text(const Edit& edit) const = 0;
    // A corrected value (ordered limits, positive scales and cuts, the unit
    // system) for `edit` and the set's `field`.
    virtual void Correct(Edit& edit, GridFieldPointer field, std::string text) = 0;
};

struct LimitsOutcome {
    // The first required field left empty (or a scale of 0): its edit, the
    // numbered message and the message's context; nothing else is read.
    Edit* MissingEdit = nullptr;
    MessageCode MissingCode = 0;
    std::string_view MissingContext;
    SheetSize Sheet;
};

// Reads the limits, scales, border, title block choice and cuts through
// `edits`, corrects them as the form always has, and fills `layout` in the
// order the button does. Throws ConversionError for a text that is no
// number and LayoutOverflowError for a layout without finite values.
LimitsOutcome DetermineLayout(TMGridInfo& form, LimitsEdits& edits, MapLayout& layout,
                              char separator);

}  // namespace quadrel

// The sheet of what the forms show now, for a preview that follows every
// keystroke: Determine Limits and Create output's reading, done on copies.
#include <map>
#include <string>
#include <utility>

#include "forms/limits_determination.h"
#include "forms/mgrid.h"
#include "model/messages.h"

namespace quadrel {
namespace {

// Corrections are kept beside the edits, never written into them.
class CopiedEdits final : public LimitsEdits {
public:
    std::string Text(const Edit& edit) const override {
        const auto corrected = corrections_.find(&edit);
        return corrected != corrections_.end() ? corrected->second.second : edit.Text();
    }
    void Correct(Edit& edit, GridFieldPointer field, std::string text) override {
        corrections_[&edit] = {field, std::move(text)};
    }
    // The corrected fields in the set the edits show.
    void ApplyTo(GridSet& set) const {
        for (const auto& [edit, correction] : corrections_)
            set.*correction.first = correction.second;
    }

private:
    std::map<const Edit*, std::pair<GridFieldPointer, std::string>> corrections_;
};

std::string NumberedMessage(MessageCode code, std::string_view context) {
    return MessageText(code, context).value_or("Message " + std::to_string(code));
}

}  // namespace

TMGridInfo::SheetPreview TMGridInfo::PreviewDrawingInput(std::string fileName) {
    SheetPreview preview;
    try {
        CopiedEdits edits;
        MapLayout layout = Layout;
        const LimitsOutcome outcome =
            DetermineLayout(*this, edits, layout, GetPlatform().DecimalSeparator());
        if (outcome.MissingEdit != nullptr) {
            preview.Reason = NumberedMessage(outcome.MissingCode, outcome.MissingContext);
            return preview;
        }
        const std::optional<TitleBlockChoice> titleBlock =
            ChosenTitleBlock(edits.Text(EditTitleBlockType));
        if (!titleBlock) {
            preview.Reason = NumberedMessage(Messages::TitleBlockTypeInvalid, "Title Block Type");
            return preview;
        }
        GridSet grid = EditedGridSet();
        edits.ApplyTo(grid);
        preview.Input = OutputInput(std::move(grid), layout, *titleBlock, std::move(fileName));
    } catch (const ConversionError& error) {
        preview.Reason = error.what();
    }
    return preview;
}

}  // namespace quadrel

#include "forms/writegridtitlefilesform.h"

#include "model/messages.h"

namespace quadrel {
namespace {

constexpr int YesItem = 0;

bool ChosenYes(const RadioGroup& group) {
    return group.Visible() && group.ItemIndex() == YesItem;
}

bool Unanswered(const RadioGroup& group) {
    return group.Visible() && group.ItemIndex() < 0;
}

}  // namespace

TFormWriteGridTitleFiles::TFormWriteGridTitleFiles(Platform& platform)
    : Form(platform, "TFormWriteGridTitleFiles", "Write Grid and/or Title Block files...") {
    RG_AddGrid.SetCaption("Do you wish to add the Grid set to the file? ");
    RG_AddGrid.Items = {"Yes", "No"};
    RG_AddTitle.SetCaption("Do you wish to add the Title set to the file? ");
    RG_AddTitle.Items = {"Yes", "No"};
}

void TFormWriteGridTitleFiles::Offer(bool grid, bool title) {
    // A failed save keeps the program open, so the dialog can come again:
    // a "Yes" from an earlier exit must not write, least of all from a
    // group that is hidden this time. A file is written only on an
    // explicit "Yes" given now.
    RG_AddGrid.SetItemIndex(-1);
    RG_AddTitle.SetItemIndex(-1);
    RG_AddGrid.SetVisible(grid);
    RG_AddTitle.SetVisible(title);
}

bool TFormWriteGridTitleFiles::GridChosen() const {
    return ChosenYes(RG_AddGrid);
}

bool TFormWriteGridTitleFiles::TitleChosen() const {
    return ChosenYes(RG_AddTitle);
}

std::optional<std::string> TFormWriteGridTitleFiles::UnansweredQuestion() const {
    const bool grid = Unanswered(RG_AddGrid);
    const bool title = Unanswered(RG_AddTitle);
    if (!grid && !title) return std::nullopt;
    return UnansweredSaveQuestion(grid, title);
}

}  // namespace quadrel

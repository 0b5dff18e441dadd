#include "ui/formtitleblock.h"

namespace quadrel {

TTitleBlockForm::TTitleBlockForm(Platform& platform)
    : Form(platform, "TTitleBlockForm", "Title Block - Data Entry Form ") {}

void TTitleBlockForm::Connect(TFormReallyDeleteSet& reallyDeleteSet) { reallyDeleteSet_ = &reallyDeleteSet; }

std::array<Edit*, TitleFieldCount> TTitleBlockForm::FieldEdits() {
    return {&EditCompany1, &EditCompany2, &EditMainTitle1, &EditMainTitle2, &EditMainTitle3,
            &EditOffice, &EditDepartment, &EditMapIndex, &EditDrawingNumber, &EditDrawnBy,
            &EditCheckedBy, &EditApprovedBy, &EditPreparedBy};
}

void TTitleBlockForm::StoreField(int) {}
void TTitleBlockForm::ShowTitleSet() {}
void TTitleBlockForm::EditCompany1Change() {}
void TTitleBlockForm::EditCompany2Change() {}
void TTitleBlockForm::EditMainTitle1Change() {}
void TTitleBlockForm::EditMainTitle2Change() {}
void TTitleBlockForm::EditMainTitle3Change() {}
void TTitleBlockForm::EditOfficeChange() {}
void TTitleBlockForm::EditDepartmentChange() {}
void TTitleBlockForm::EditMapIndexChange() {}
void TTitleBlockForm::EditDrawingNumberChange() {}
void TTitleBlockForm::EditDrawnByChange() {}
void TTitleBlockForm::EditCheckedByChange() {}
void TTitleBlockForm::EditApprovedByChange() {}
void TTitleBlockForm::EditPreparedByChange() {}
void TTitleBlockForm::BitBtnOkClick() {}
void TTitleBlockForm::ButtonAddSetClick() {}
void TTitleBlockForm::ButtonDeleteSetClick() {}
void TTitleBlockForm::BitBtnUpClick() {}
void TTitleBlockForm::BitBtnDownClick() {}
bool TTitleBlockForm::WriteTitleDataFile() { return true; }

}  // namespace quadrel

#include "forms/formtitleblock.h"

#include "datafiles/title_file.h"
#include "forms/data_file_dialogs.h"
#include "forms/reallydeletesetform.h"
#include "forms/scoped_writes.h"

namespace quadrel {
namespace {

// The longest text each field's edit accepts from typing, in field order.
constexpr std::array<std::size_t, TitleFieldCount> FieldMaxLengths{30, 30, 30, 30, 30, 24, 24,
                                                                   12, 12, 25, 25, 25, 30};

constexpr std::array<const char*, TitleFieldCount> FieldLabelCaptions{
    "Company Designation 1",
    "Company Designation 2",
    "Main title 1",
    "Main title 2",
    "Main title 3",
    "Office",
    "Department",
    "Map Index or Plate Number",
    "Drawing Number",
    "Drawn by",
    "Checked by",
    "Approved by",
    "Prepared by",
};

}  // namespace

TTitleBlockForm::TTitleBlockForm(Platform& platform)
    : Form(platform, "TTitleBlockForm", "Title Block - Data Entry Form ") {
    SetUpControls();
    BindHandlers();
}

void TTitleBlockForm::Connect(TFormReallyDeleteSet& reallyDeleteSet) {
    reallyDeleteSet_ = &reallyDeleteSet;
}

std::array<Edit*, TitleFieldCount> TTitleBlockForm::FieldEdits() {
    return {&EditCompany1,  &EditCompany2,   &EditMainTitle1, &EditMainTitle2,    &EditMainTitle3,
            &EditOffice,    &EditDepartment, &EditMapIndex,   &EditDrawingNumber, &EditDrawnBy,
            &EditCheckedBy, &EditApprovedBy, &EditPreparedBy};
}

std::array<Label*, TitleFieldCount> TTitleBlockForm::FieldLabels() {
    return {&LabelCompany1,      &LabelCompany2, &LabelMainTitle1, &LabelMainTitle2,
            &LabelMainTitle3,    &LabelOffice,   &LabelDepartment, &LabelMapIndex,
            &LabelDrawingNumber, &LabelDrawnBy,  &LabelCheckedBy,  &LabelApprovedBy,
            &LabelPreparedBy};
}

TitleSet TTitleBlockForm::ShownTitleSet() {
    TitleSet title;
    const auto edits = FieldEdits();
    for (std::size_t k = 0; k < edits.size(); ++k) title.*TitleFields[k] = edits[k]->Text();
    return title;
}

void TTitleBlockForm::SetUpControls() {
    const auto edits = FieldEdits();
    for (std::size_t k = 0; k < edits.size(); ++k) {
        edits[k]->MaxLength = FieldMaxLengths[k];
        StoredInDataFile(*edits[k]);
    }

    const auto labels = FieldLabels();
    for (std::size_t k = 0; k < labels.size(); ++k) labels[k]->SetCaption(FieldLabelCaptions[k]);

    BitBtnOk.SetCaption("OK");
    ButtonAddSet.SetCaption("Add Set");
    ButtonDeleteSet.SetCaption("Delete Set");
    // The arrows carry glyphs only; their hints say where they go.
    BitBtnUp.SetHint("Next set");
    BitBtnDown.SetHint("Previous set");
}

void TTitleBlockForm::BindHandlers() {
    EditCompany1.OnChange = Guarded(*this, &TTitleBlockForm::EditCompany1Change);
    EditCompany2.OnChange = Guarded(*this, &TTitleBlockForm::EditCompany2Change);
    EditMainTitle1.OnChange = Guarded(*this, &TTitleBlockForm::EditMainTitle1Change);
    EditMainTitle2.OnChange = Guarded(*this, &TTitleBlockForm::EditMainTitle2Change);
    EditMainTitle3.OnChange = Guarded(*this, &TTitleBlockForm::EditMainTitle3Change);
    EditOffice.OnChange = Guarded(*this, &TTitleBlockForm::EditOfficeChange);
    EditDepartment.OnChange = Guarded(*this, &TTitleBlockForm::EditDepartmentChange);
    EditMapIndex.OnChange = Guarded(*this, &TTitleBlockForm::EditMapIndexChange);
    EditDrawingNumber.OnChange = Guarded(*this, &TTitleBlockForm::EditDrawingNumberChange);
    EditDrawnBy.OnChange = Guarded(*this, &TTitleBlockForm::EditDrawnByChange);
    EditCheckedBy.OnChange = Guarded(*this, &TTitleBlockForm::EditCheckedByChange);
    EditApprovedBy.OnChange = Guarded(*this, &TTitleBlockForm::EditApprovedByChange);
    EditPreparedBy.OnChange = Guarded(*this, &TTitleBlockForm::EditPreparedByChange);

    BitBtnOk.OnClick = Guarded(*this, &TTitleBlockForm::BitBtnOkClick);
    ButtonAddSet.OnClick = Guarded(*this, &TTitleBlockForm::ButtonAddSetClick);
    ButtonDeleteSet.OnClick = Guarded(*this, &TTitleBlockForm::ButtonDeleteSetClick);
    BitBtnUp.OnClick = Guarded(*this, &TTitleBlockForm::BitBtnUpClick);
    BitBtnDown.OnClick = Guarded(*this, &TTitleBlockForm::BitBtnDownClick);
}

void TTitleBlockForm::ShowTitleSet() {
    if (Store.TitleLineCount == 0) return;
    const auto start = Store.CurrentSetStart();
    if (!start) return;
    const auto edits = FieldEdits();
    for (std::size_t k = 0; k < edits.size(); ++k) {
        // Copied first: the edit's change handler stores into the same line.
        edits[k]->SetText(std::string(Store.TitleLines[*start + k]));
    }
}

void TTitleBlockForm::StoreField(int k) {
    if (clearingEdits_) return;
    const auto index = static_cast<std::size_t>(k);
    Store.StoreField(index, FieldEdits()[index]->Text());
}

void TTitleBlockForm::EditCompany1Change() {
    StoreField(0);
}
void TTitleBlockForm::EditCompany2Change() {
    StoreField(1);
}
void TTitleBlockForm::EditMainTitle1Change() {
    StoreField(2);
}
void TTitleBlockForm::EditMainTitle2Change() {
    StoreField(3);
}
void TTitleBlockForm::EditMainTitle3Change() {
    StoreField(4);
}
void TTitleBlockForm::EditOfficeChange() {
    StoreField(5);
}
void TTitleBlockForm::EditDepartmentChange() {
    StoreField(6);
}
void TTitleBlockForm::EditMapIndexChange() {
    StoreField(7);
}
void TTitleBlockForm::EditDrawingNumberChange() {
    StoreField(8);
}
void TTitleBlockForm::EditDrawnByChange() {
    StoreField(9);
}
void TTitleBlockForm::EditCheckedByChange() {
    StoreField(10);
}
void TTitleBlockForm::EditApprovedByChange() {
    StoreField(11);
}
void TTitleBlockForm::EditPreparedByChange() {
    StoreField(12);
}

void TTitleBlockForm::BitBtnOkClick() {
    ModalResult = ModalResultOk;
}

void TTitleBlockForm::ButtonAddSetClick() {
    if (Store.Append()) ShowTitleSet();
}

void TTitleBlockForm::ButtonDeleteSetClick() {
    if (Store.TitleSetCount <= 0) return;
    if (reallyDeleteSet_ == nullptr) return;
    if (GetPlatform().ShowModal(*reallyDeleteSet_) != ModalResultOk) return;
    Store.DeleteCurrent();
    if (Store.TitleSetCount == 0) {
        // No set is left to show; the edits are emptied so that the next
        // drawing does not print the texts of the deleted set, and emptying
        // them stores nothing and creates no set.
        ScopedValue clearing(clearingEdits_, true);
        for (Edit* edit : FieldEdits()) edit->SetText("");
        return;
    }
    ShowTitleSet();
}

void TTitleBlockForm::BitBtnUpClick() {
    Store.StepUp();
    ShowTitleSet();
}

void TTitleBlockForm::BitBtnDownClick() {
    Store.StepDown();
    ShowTitleSet();
}

bool TTitleBlockForm::WriteTitleDataFile() {
    if (Store.TitleLineCount == 0) return true;
    return SaveDataFile(GetPlatform(),
                        DataFileDialog("Find or create the title block data file you want...",
                                       TitleFileDirectory.value_or(DataDirectory)),
                        [this](const std::filesystem::path& path) { WriteTitleFile(path, Store); });
}

}  // namespace quadrel

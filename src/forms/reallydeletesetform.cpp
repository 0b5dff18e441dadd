#include "forms/reallydeletesetform.h"

namespace quadrel {

TFormReallyDeleteSet::TFormReallyDeleteSet(Platform& platform)
    : Form(platform, "TFormReallyDeleteSet", "Really delete set?") {
    LabelReallyDeleteSet.SetCaption("Do you really want to delete this set?");
    BitBtnDS_Ok.SetCaption("OK");
    BitBtnDS_Cancel.SetCaption("Cancel");
    BitBtnDS_Ok.OnClick = Guarded(*this, &TFormReallyDeleteSet::BitBtnDS_OkClick);
    BitBtnDS_Cancel.OnClick = Guarded(*this, &TFormReallyDeleteSet::BitBtnDS_CancelClick);
}

void TFormReallyDeleteSet::BitBtnDS_OkClick() {
    ModalResult = ModalResultOk;
}

void TFormReallyDeleteSet::BitBtnDS_CancelClick() {
    ModalResult = ModalResultCancel;
}

}  // namespace quadrel

#include "ui/reallydeletesetform.h"

namespace quadrel {

TFormReallyDeleteSet::TFormReallyDeleteSet(Platform& platform)
    : Form(platform, "TFormReallyDeleteSet", "Really delete set?") {}

void TFormReallyDeleteSet::BitBtnDS_OkClick() {}
void TFormReallyDeleteSet::BitBtnDS_CancelClick() {}


}  // namespace quadrel

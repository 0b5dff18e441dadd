// The confirmation asked before a set is deleted.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"

namespace quadrel {

class TFormReallyDeleteSet : public Form {
public:
    explicit TFormReallyDeleteSet(Platform& platform);

    Label LabelReallyDeleteSet{"LabelReallyDeleteSet"};
    Button BitBtnDS_Ok{"BitBtnDS_Ok"};
    Button BitBtnDS_Cancel{"BitBtnDS_Cancel"};

    void BitBtnDS_OkClick();
    void BitBtnDS_CancelClick();
};

}  // namespace quadrel

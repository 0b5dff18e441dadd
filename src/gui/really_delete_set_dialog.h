// The confirmation asked before a set is deleted.
#pragma once

#include "gui/form_dialog.h"

namespace quadrel {

class QtPlatform;
class TFormReallyDeleteSet;

class ReallyDeleteSetDialog : public FormDialog {
public:
    ReallyDeleteSetDialog(TFormReallyDeleteSet& form, QtPlatform& platform, QWidget* parent);
};

}  // namespace quadrel

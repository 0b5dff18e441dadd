// The exit flow's dialog: which changed data files to write.
#pragma once

#include "gui/form_dialog.h"

namespace quadrel {

class QtPlatform;
class TFormWriteGridTitleFiles;

class WriteFilesDialog : public FormDialog {
public:
    WriteFilesDialog(TFormWriteGridTitleFiles& form, QtPlatform& platform, QWidget* parent);
};

}  // namespace quadrel

// The dialog of the exit flow in which the user chooses which changed data
// files to write.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"

namespace quadrel {

class TFormWriteGridTitleFiles : public Form {
public:
    explicit TFormWriteGridTitleFiles(Platform& platform);

    RadioGroup RG_AddGrid{"RG_AddGrid"};
    RadioGroup RG_AddTitle{"RG_AddTitle"};
};

}  // namespace quadrel

// Start-up: the application and its four forms, created in order and wired
// together. They live until the program ends.
#pragma once

#include <string_view>

#include "ui/formtitleblock.h"
#include "ui/mgrid.h"
#include "ui/platform.h"
#include "ui/reallydeletesetform.h"
#include "ui/writegridtitlefilesform.h"

namespace quadrel {

inline constexpr std::string_view ApplicationTitle = "Quadrel Routine";

class QuadrelApplication {
public:
    explicit QuadrelApplication(Platform& platform);

    TMGridInfo MGridInfo;
    TTitleBlockForm TitleBlockForm;
    TFormWriteGridTitleFiles FormWriteGridTitleFiles;
    TFormReallyDeleteSet FormReallyDeleteSet;
};

}  // namespace quadrel

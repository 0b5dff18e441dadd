// Start-up: the application and its four forms, created in order and wired
// together. They live until the program ends.
#pragma once

#include <string_view>

#include "forms/formtitleblock.h"
#include "forms/mgrid.h"
#include "forms/platform.h"
#include "forms/reallydeletesetform.h"
#include "forms/writegridtitlefilesform.h"

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

// The dialog of the exit flow in which the user chooses which changed data
// files to write.
#pragma once

#include <optional>
#include <string>

#include "forms/controls.h"
#include "forms/form.h"

namespace quadrel {

class TFormWriteGridTitleFiles : public Form {
public:
    explicit TFormWriteGridTitleFiles(Platform& platform);

    RadioGroup RG_AddGrid{"RG_AddGrid"};
    RadioGroup RG_AddTitle{"RG_AddTitle"};

    // Starts an exit flow: shows the groups of the changed kinds, with
    // nothing chosen in either.
    void Offer(bool grid, bool title);
    // A "Yes" in a group that this exit flow offered.
    bool GridChosen() const;
    bool TitleChosen() const;
    // The question to ask when the dialog was closed with an offered group
    // left without Yes or No: whether to quit without saving that kind (one
    // question for both). Nothing when every offered group has its answer.
    std::optional<std::string> UnansweredQuestion() const;
};

}  // namespace quadrel

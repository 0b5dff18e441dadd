#include "ui/mgrid.h"

namespace quadrel {

TMGridInfo::TMGridInfo(Platform& platform)
    : Form(platform, "TMGridInfo", "Create Quadrel - Data Entry Form") {}

void TMGridInfo::Connect(TTitleBlockForm& titleBlockForm, TFormReallyDeleteSet& reallyDeleteSet,
                         TFormWriteGridTitleFiles& writeGridTitleFiles) {
    titleBlockForm_ = &titleBlockForm;
    reallyDeleteSet_ = &reallyDeleteSet;
    writeGridTitleFiles_ = &writeGridTitleFiles;
}

void TMGridInfo::ShowMessageCode(MessageCode, std::string_view) {}

void TMGridInfo::FirstSetRule() {}
void TMGridInfo::EditDescriptionChange() {}
void TMGridInfo::EditImpMetChange() {}
void TMGridInfo::EditYAxisTitleChange() {}
void TMGridInfo::EditXAxisTitleChange() {}
void TMGridInfo::EditYMinChange() {}
void TMGridInfo::EditXMinChange() {}
void TMGridInfo::EditYMaxChange() {}
void TMGridInfo::EditXMaxChange() {}
void TMGridInfo::EditYGridChange() {}
void TMGridInfo::EditXGridChange() {}
void TMGridInfo::EditYScaleChange() {}
void TMGridInfo::EditXScaleChange() {}
void TMGridInfo::EditYAddChange() {}
void TMGridInfo::EditXAddChange() {}
void TMGridInfo::EditYConstChange() {}
void TMGridInfo::EditXConstChange() {}
void TMGridInfo::EditTicLRTypeChange() {}
void TMGridInfo::EditTicTBTypeChange() {}
void TMGridInfo::EditTicLRSpacingChange() {}
void TMGridInfo::EditTicTBSpacingChange() {}
void TMGridInfo::EditTicLRMinimumChange() {}
void TMGridInfo::EditTicLRMaximumChange() {}
void TMGridInfo::EditTicLeftChange() {}
void TMGridInfo::EditTicRightChange() {}
void TMGridInfo::EditTicTBMinimumChange() {}
void TMGridInfo::EditTicTBMaximumChange() {}
void TMGridInfo::EditTicTopChange() {}
void TMGridInfo::EditTicBottomChange() {}
void TMGridInfo::EditBorderSizeChange() {}
void TMGridInfo::EditSizeChange() {}
void TMGridInfo::EditDistMapEdgeChange() {}
void TMGridInfo::EditCutLeftChange() {}
void TMGridInfo::EditCutRightChange() {}
void TMGridInfo::EditCutTopChange() {}
void TMGridInfo::EditCutBottomChange() {}
void TMGridInfo::EditTitleBlockTypeChange() {}
void TMGridInfo::RBUpperLeftClick() {}
void TMGridInfo::RBUpperRightClick() {}
void TMGridInfo::RBLowerLeftClick() {}
void TMGridInfo::RBLowerRightClick() {}
void TMGridInfo::RGTitleBlockClick() {}
void TMGridInfo::EditImpMetClick() {}
void TMGridInfo::EditYAddClick() {}
void TMGridInfo::EditXAddClick() {}
void TMGridInfo::EditTitleBlockTypeClick() {}
void TMGridInfo::SetUpControls() {}
void TMGridInfo::BindHandlers() {}
void TMGridInfo::EnableBothActions() {}
void TMGridInfo::EnableOutput() {}
void TMGridInfo::DisableOutput() {}

}  // namespace quadrel

#include "forms/writegridtitlefilesform.h"

namespace quadrel {

TFormWriteGridTitleFiles::TFormWriteGridTitleFiles(Platform& platform)
    : Form(platform, "TFormWriteGridTitleFiles", "Write Grid and/or Title Block files...") {
    RG_AddGrid.SetCaption("Do you wish to add the Grid set to the file? ");
    RG_AddGrid.Items = {"Yes", "No"};
    RG_AddTitle.SetCaption("Do you wish to add the Title set to the file? ");
    RG_AddTitle.Items = {"Yes", "No"};
    // Nothing is selected until the user chooses: a file is written only on
    // an explicit "Yes".
}

}  // namespace quadrel

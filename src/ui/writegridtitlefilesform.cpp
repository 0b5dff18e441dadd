#include "ui/writegridtitlefilesform.h"

namespace quadrel {

TFormWriteGridTitleFiles::TFormWriteGridTitleFiles(Platform& platform)
    : Form(platform, "TFormWriteGridTitleFiles", "Write Grid and/or Title Block files...") {}


}  // namespace quadrel

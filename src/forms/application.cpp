#include "forms/application.h"

namespace quadrel {

QuadrelApplication::QuadrelApplication(Platform& platform)
    : MGridInfo(platform),
      TitleBlockForm(platform),
      FormWriteGridTitleFiles(platform),
      FormReallyDeleteSet(platform) {
    MGridInfo.Connect(TitleBlockForm, FormReallyDeleteSet, FormWriteGridTitleFiles);
    TitleBlockForm.Connect(FormReallyDeleteSet);
}

}  // namespace quadrel

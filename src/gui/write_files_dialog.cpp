#include "gui/write_files_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/writegridtitlefilesform.h"
#include "gui/qt_text.h"

namespace quadrel {

WriteFilesDialog::WriteFilesDialog(TFormWriteGridTitleFiles& form, QtPlatform& platform,
                                   QWidget* parent)
    : FormDialog(form, platform, parent, 403, 169) {
    // No buttons: the person chooses and closes the dialog with its close box.
    auto* column = new QVBoxLayout(this);
    for (RadioGroup* group : {&form.RG_AddGrid, &form.RG_AddTitle}) {
        auto* box = new QGroupBox(this);
        box->setObjectName(ToQString(group->Name()));
        // "Yes" and "No" in two columns.
        auto* grid = new QGridLayout(box);
        std::vector<QRadioButton*> items;
        for (std::size_t i = 0; i < group->Items.size(); ++i) {
            auto* item = new QRadioButton(box);
            item->setObjectName(ToQString(group->Name() + "Item" + std::to_string(i)));
            grid->addWidget(item, 0, static_cast<int>(i));
            items.push_back(item);
        }
        Binder().Bind(*box, items, *group);
        column->addWidget(box);
    }
}

}  // namespace quadrel

#include "gui/write_files_dialog.h"

#include "forms/writegridtitlefilesform.h"

namespace quadrel {
namespace {

// At 96 dpi: the two questions one above the other, "Yes" and "No" in two
// columns of each.
constexpr PixelBounds AddGridPlace{11, 11, 381, 71};
constexpr PixelBounds AddTitlePlace{11, 88, 381, 70};
constexpr PixelBounds YesPlace{12, 33, 176, 20};
constexpr PixelBounds NoPlace{194, 33, 175, 20};
// The first box is a pixel taller; its items stand a pixel lower.
constexpr PixelBounds FirstYesPlace{12, 34, 176, 20};
constexpr PixelBounds FirstNoPlace{194, 34, 175, 20};

}  // namespace

WriteFilesDialog::WriteFilesDialog(TFormWriteGridTitleFiles& form, QtPlatform& platform,
                                   QWidget* parent)
    : FormDialog(form, platform, parent, 403, 169) {
    // No buttons: the person chooses and closes the dialog with its close box.
    const FormView view = View();
    view.AddRadioGroup(*this, form.RG_AddGrid, AddGridPlace, {FirstYesPlace, FirstNoPlace});
    view.AddRadioGroup(*this, form.RG_AddTitle, AddTitlePlace, {YesPlace, NoPlace});
}

}  // namespace quadrel

#include "gui/really_delete_set_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "forms/reallydeletesetform.h"

namespace quadrel {
namespace {

// At 96 dpi: the question fills the dialog above the two buttons.
constexpr PixelBounds QuestionPlace{11, 11, 375, 94};
constexpr PixelBounds OkPlace{116, 111, 80, 24};
constexpr PixelBounds CancelPlace{202, 111, 80, 24};

}  // namespace

ReallyDeleteSetDialog::ReallyDeleteSetDialog(TFormReallyDeleteSet& form, QtPlatform& platform,
                                             QWidget* parent)
    : FormDialog(form, platform, parent, 397, 146) {
    const FormView view = View();
    auto* question = view.Add<QLabel>(*this, form.LabelReallyDeleteSet, QuestionPlace);
    question->setAlignment(Qt::AlignCenter);
    question->setAutoFillBackground(true);
    QPalette palette = question->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    palette.setColor(QPalette::WindowText, Qt::red);
    question->setPalette(palette);
    QFont font = question->font();
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    question->setFont(font);

    auto* ok = view.Add<QPushButton>(*this, form.BitBtnDS_Ok, OkPlace);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    auto* cancel = view.Add<QPushButton>(*this, form.BitBtnDS_Cancel, CancelPlace);
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
}

}  // namespace quadrel

#include "gui/really_delete_set_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "forms/reallydeletesetform.h"
#include "gui/qt_text.h"

namespace quadrel {

ReallyDeleteSetDialog::ReallyDeleteSetDialog(TFormReallyDeleteSet& form, QtPlatform& platform,
                                             QWidget* parent)
    : FormDialog(form, platform, parent, 397, 146) {
    auto* column = new QVBoxLayout(this);
    auto* question = new QLabel(this);
    question->setObjectName(ToQString(form.LabelReallyDeleteSet.Name()));
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
    Binder().Bind(*question, form.LabelReallyDeleteSet);
    column->addWidget(question);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto button = [&](Button& model, QStyle::StandardPixmap glyph) {
        auto* widget = new QPushButton(this);
        widget->setObjectName(ToQString(model.Name()));
        widget->setIcon(style()->standardIcon(glyph));
        Binder().Bind(*widget, model);
        buttons->addWidget(widget);
        return widget;
    };
    button(form.BitBtnDS_Ok, QStyle::SP_DialogOkButton)->setDefault(true);
    button(form.BitBtnDS_Cancel, QStyle::SP_DialogCancelButton);
    buttons->addStretch(1);
    column->addLayout(buttons);
}

}  // namespace quadrel

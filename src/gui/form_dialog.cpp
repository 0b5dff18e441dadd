#include "gui/form_dialog.h"

#include "forms/form.h"
#include "gui/qt_text.h"
#include "gui/screen_scale.h"

namespace quadrel {

FormDialog::FormDialog(Form& form, QtPlatform& platform, QWidget* parent, int width, int height)
    : QDialog(parent), form_(form), binder_(platform, *this) {
    setObjectName(ToQString(form.Name()));
    setWindowTitle(ToQString(form.Caption()));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ScreenScale(*this)(width, height));
    form.ModalResult.OnSet = [this](int result) {
        if (result != 0 && isVisible()) done(result);
    };
}

FormDialog::~FormDialog() {
    form_.ModalResult.OnSet = nullptr;
}

FormView FormDialog::View() {
    return FormView(binder_, ScreenScale(*this));
}

void FormDialog::reject() {
    if (!binder_.Busy()) QDialog::reject();
}

}  // namespace quadrel

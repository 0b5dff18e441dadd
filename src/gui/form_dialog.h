// What the dialogs of the forms share: the form's name and caption, a fixed
// size, a dialog border with the close box only, and closing when the
// form's handlers set its modal result.
#pragma once

#include <QDialog>

#include "gui/control_binder.h"
#include "gui/form_view.h"

namespace quadrel {

class Form;
class QtPlatform;

class FormDialog : public QDialog {
public:
    // `width` and `height`: the client area at 96 dpi.
    FormDialog(Form& form, QtPlatform& platform, QWidget* parent, int width, int height);
    ~FormDialog() override;

protected:
    ControlBinder& Binder() { return binder_; }
    // Builds the dialog's widgets at the form's places, scaled for the screen.
    FormView View();
    // Escape and the close box close the dialog, but not in the middle of
    // one of its own handlers.
    void reject() override;

private:
    Form& form_;
    ControlBinder binder_;
};

}  // namespace quadrel

// How every view of a form is built: each widget at its place in the form's
// pixel layout (at 96 dpi, scaled with the screen), named as the control it
// shows and bound to it.
#pragma once

#include <QString>
#include <vector>

#include "gui/control_binder.h"
#include "gui/qt_text.h"
#include "gui/screen_scale.h"

class QGroupBox;

namespace quadrel {

struct PixelBounds {
    int Left, Top, Width, Height;
};

class FormView {
public:
    FormView(ControlBinder& binder, const ScreenScale& scale) : binder_(binder), scale_(scale) {}

    // A widget in `parent` at `bounds`, named as `control` and bound to it.
    template <typename Widget, typename Model>
    Widget* Add(QWidget& parent, Model& control, const PixelBounds& bounds) const {
        auto* widget = Plain<Widget>(parent, bounds);
        widget->setObjectName(ToQString(control.Name()));
        binder_.Bind(*widget, control);
        return widget;
    }

    // A widget no control stands behind: a box, a frame, a column head.
    template <typename Widget>
    Widget* Plain(QWidget& parent, const PixelBounds& bounds) const {
        auto* widget = new Widget(&parent);
        Place(*widget, bounds);
        return widget;
    }

    // A radio group's box and its items, each item at its place in the box.
    QGroupBox* AddRadioGroup(QWidget& parent, RadioGroup& group, const PixelBounds& bounds,
                             const std::vector<PixelBounds>& items) const;

private:
    void Place(QWidget& widget, const PixelBounds& bounds) const {
        widget.setGeometry(scale_(bounds.Left, bounds.Top, bounds.Width, bounds.Height));
    }

    ControlBinder& binder_;
    ScreenScale scale_;
};

// Tab and Backtab go through `chain`, in its order.
void ChainTabs(const std::vector<QWidget*>& chain);

}  // namespace quadrel

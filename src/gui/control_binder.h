// Binds Qt widgets to the control models of one form: each widget mirrors
// its model (text, caption, checked, enabled, visible, hint as tool tip)
// and forwards what a person does to it. No rule lives here.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "forms/controls.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quadrel {

class QtPlatform;

class ControlBinder : public QObject {
public:
    // `owner` is the form's window; its person's actions run one at a time.
    ControlBinder(QtPlatform& platform, QWidget& owner);
    ~ControlBinder() override;

    void Bind(QLineEdit& widget, Edit& edit);
    void Bind(QAbstractButton& widget, Button& button);
    void Bind(QRadioButton& widget, RadioButton& button);
    // A radio group: a box whose caption is the group's, one radio button per
    // item in item order.
    void Bind(QGroupBox& box, const std::vector<QRadioButton*>& items, RadioGroup& group);
    void Bind(QLabel& widget, CaptionedControl& control);
    // Enabled, visible and hint only (a bevel, a panel drawn elsewhere).
    void Bind(QWidget& widget, Control& control);

    // Runs a person's action on the form. An action that arrives while an
    // earlier one of this form has not finished (a second press during a
    // dialog, a close during a modal loop) is dropped; an exception that
    // escapes the models is reported in a box naming the action. Returns
    // whether the action ran to its end.
    bool Act(const QString& what, const std::function<void()>& action);
    bool Busy() const { return busyDepth_ > 0; }

private:
    // Registers `sync` as the model's observer and runs it once.
    void Mirror(Control& control, QWidget& widget, std::function<void()> sync);
    static void MirrorState(QWidget& widget, const Control& control);
    static void ShowHint(QWidget& widget, const Control& control);
    static void MarkConversionError(QLineEdit& widget, const QString& message);
    static void ClearConversionError(QLineEdit& widget, const Edit& edit);

    QtPlatform& platform_;
    QPointer<QWidget> owner_;
    int busyDepth_ = 0;
    std::vector<std::pair<Control*, Control::ObserverId>> observed_;
};

}  // namespace quadrel

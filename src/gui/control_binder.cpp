#include "gui/control_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <exception>

#include "gui/button_keys.h"
#include "gui/qt_platform.h"
#include "gui/qt_text.h"
#include "forms/limits_determination.h"

namespace quadrel {
namespace {

const char* const ConversionErrorProperty = "quadrelConversionError";

// A "Fill in!" marker is there to be replaced: selected when its edit takes
// the focus, typing replaces it instead of adding to it. After the event, so
// that the click that gave the focus has placed its cursor first.
void SelectFillInMarker(QLineEdit* edit) {
    if (edit == nullptr || edit->text().trimmed() != ToQString(FillInMarkerTrimmed)) return;
    QTimer::singleShot(0, edit, [edit] {
        if (edit->hasFocus() && edit->text().trimmed() == ToQString(FillInMarkerTrimmed)) {
            edit->selectAll();
        }
    });
}

// Hears a person's mouse press inside an edit (the click event of the
// edit's model) and its taking the focus.
class EditClickFilter : public QObject {
public:
    EditClickFilter(QObject* parent, std::function<void()> onClick)
        : QObject(parent), onClick_(std::move(onClick)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            onClick_();
        }
        if (event->type() == QEvent::FocusIn) SelectFillInMarker(qobject_cast<QLineEdit*>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onClick_;
};

}  // namespace

ControlBinder::ControlBinder(QtPlatform& platform, QWidget& owner)
    : QObject(&owner), platform_(platform), owner_(&owner) {}

ControlBinder::~ControlBinder() {
    for (const auto& [control, id] : observed_) control->Unobserve(id);
}

bool ControlBinder::Act(const QString& what, const std::function<void()>& action) {
    if (busyDepth_ > 0) return false;
    ++busyDepth_;
    bool finished = false;
    try {
        action();
        finished = true;
    } catch (const std::exception& error) {
        QMessageBox::critical(owner_, QCoreApplication::applicationName(),
                              what + QStringLiteral(" failed: ") + ToQString(error.what()));
    } catch (...) {
        QMessageBox::critical(owner_, QCoreApplication::applicationName(),
                              what + QStringLiteral(" failed."));
    }
    --busyDepth_;
    return finished;
}

void ControlBinder::Mirror(Control& control, QWidget& widget, std::function<void()> sync) {
    QPointer<QWidget> guard(&widget);
    auto observer = [guard, sync](const Control&) {
        if (guard) sync();
    };
    observed_.emplace_back(&control, control.Observe(observer));
    sync();
}

void ControlBinder::MirrorState(QWidget& widget, const Control& control) {
    widget.setEnabled(control.Enabled());
    // A widget made visible again is shown with its window; one never hidden
    // needs nothing (it may not have its parent yet).
    if (!control.Visible()) {
        widget.hide();
    } else if (widget.testAttribute(Qt::WA_WState_ExplicitShowHide) && widget.isHidden()) {
        widget.show();
    }
    if (!widget.property(ConversionErrorProperty).toBool()) ShowHint(widget, control);
}

void ControlBinder::ShowHint(QWidget& widget, const Control& control) {
    widget.setToolTip(control.HintShown ? ToolTipWithKey(ToQString(control.Hint()), widget)
                                        : QString());
}

void ControlBinder::MarkConversionError(QLineEdit& widget, const QString& message) {
    widget.setProperty(ConversionErrorProperty, true);
    widget.setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
    widget.setToolTip(message);
    QToolTip::showText(widget.mapToGlobal(QPoint(0, widget.height())), message, &widget);
}

void ControlBinder::ClearConversionError(QLineEdit& widget, const Edit& edit) {
    if (!widget.property(ConversionErrorProperty).toBool()) return;
    widget.setProperty(ConversionErrorProperty, false);
    widget.setStyleSheet(QString());
    ShowHint(widget, edit);
    QToolTip::hideText();
}

void ControlBinder::Bind(QLineEdit& widget, Edit& edit) {
    // No maximum length on the widget: it applies to typing only, and the
    // model applies it; a longer text from a file is shown whole.
    Mirror(edit, widget, [&widget, &edit] {
        const QString text = ToQString(edit.Text());
        if (widget.text() != text) {
            widget.setText(text);
            // A text written from code replaces whatever was mistyped.
            ClearConversionError(widget, edit);
        }
        MirrorState(widget, edit);
    });
    QPointer<QLineEdit> guard(&widget);
    auto resync = [guard, &edit] {
        if (!guard) return;
        const QString kept = ToQString(edit.Text());
        if (guard->text() == kept) return;
        // The cursor stays where the person was typing, less what was not
        // taken (a refused "/").
        const int cursor =
            guard->cursorPosition() - static_cast<int>(guard->text().size() - kept.size());
        guard->setText(kept);
        guard->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(kept.size())));
    };
    QObject::connect(
        &widget, &QLineEdit::textEdited, this, [this, guard, &edit, resync](const QString& text) {
            Act(QStringLiteral("Typing into %1").arg(ToQString(edit.Name())), [&] {
                const bool failed =
                    platform_.RouteErrorsWhileTyping([&] { edit.Type(ToStdString(text)); },
                                                     [guard](const QString& message) {
                                                         if (guard)
                                                             MarkConversionError(*guard, message);
                                                     });
                if (!failed && guard) ClearConversionError(*guard, edit);
            });
            // The model may keep less than was typed (maximum length, upper case).
            resync();
        });
    // Owned by the binder, so it goes with the binder; Qt drops a filter
    // that is destroyed from the widget it watched.
    widget.installEventFilter(new EditClickFilter(this, [this, &edit, resync] {
        Act(QStringLiteral("Clicking into %1").arg(ToQString(edit.Name())), [&] { edit.Click(); });
        resync();
    }));
}

void ControlBinder::Bind(QAbstractButton& widget, Button& button) {
    Mirror(button, widget, [&widget, &button] {
        // Glyph buttons have no caption of their own.
        if (!button.Caption().empty() || widget.icon().isNull()) {
            widget.setText(ToQString(button.Caption()));
        }
        MirrorState(widget, button);
    });
    QObject::connect(&widget, &QAbstractButton::clicked, this, [this, &button] {
        Act(QStringLiteral("'%1'").arg(
                ToQString(button.Caption().empty() ? button.Name() : button.Caption())),
            [&] { button.Click(); });
    });
}

void ControlBinder::Bind(QRadioButton& widget, RadioButton& button) {
    // The model keeps its buttons exclusive; Qt must not do it behind its back.
    widget.setAutoExclusive(false);
    Mirror(button, widget, [&widget, &button] {
        widget.setText(ToQString(button.Caption()));
        const QSignalBlocker blocker(widget);
        widget.setChecked(button.Checked());
        MirrorState(widget, button);
    });
    QPointer<QRadioButton> guard(&widget);
    QObject::connect(&widget, &QAbstractButton::clicked, this, [this, guard, &button] {
        Act(QStringLiteral("'%1'").arg(ToQString(button.Caption())), [&] { button.Click(); });
        // A click on a checked radio button unchecks it in Qt, not in the model.
        if (guard) guard->setChecked(button.Checked());
    });
}

void ControlBinder::Bind(QGroupBox& box, const std::vector<QRadioButton*>& items,
                         RadioGroup& group) {
    auto sync = [&box, items, &group] {
        box.setTitle(ToQString(group.Caption()));
        for (std::size_t i = 0; i < items.size(); ++i) {
            QRadioButton& item = *items[i];
            const QSignalBlocker blocker(item);
            item.setAutoExclusive(false);
            item.setChecked(static_cast<int>(i) == group.ItemIndex());
            if (i < group.Items.size()) item.setText(ToQString(group.Items[i]));
        }
        MirrorState(box, group);
    };
    Mirror(group, box, sync);
    for (std::size_t i = 0; i < items.size(); ++i) {
        QObject::connect(items[i], &QAbstractButton::clicked, this, [this, i, &group, sync] {
            Act(QStringLiteral("'%1'").arg(ToQString(group.Items.at(i))),
                [&] { group.SetItemIndex(static_cast<int>(i)); });
            sync();
        });
    }
}

void ControlBinder::Bind(QLabel& widget, CaptionedControl& control) {
    Mirror(control, widget, [&widget, &control] {
        widget.setText(ToQString(control.Caption()));
        MirrorState(widget, control);
    });
}

void ControlBinder::Bind(QWidget& widget, Control& control) {
    Mirror(control, widget, [&widget, &control] { MirrorState(widget, control); });
}

}  // namespace quadrel

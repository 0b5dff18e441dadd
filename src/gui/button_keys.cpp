#include "gui/button_keys.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QVariant>

namespace quadrel {
namespace {

const char* const KeyProperty = "quadrelKey";

// An edit claims some keys for itself (Ctrl+E moves to the line's end on
// X11); the window's keys must win, or a key would work only outside edits.
class YieldKeysToWindow : public QObject {
public:
    YieldKeysToWindow(QObject* parent, std::vector<QKeySequence> keys)
        : QObject(parent), keys_(std::move(keys)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            for (const QKeySequence& key : keys_) {
                if (key == pressed) {
                    event->ignore();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<QKeySequence> keys_;
};

}  // namespace

void BindButtonKeys(QWidget& window, const std::vector<ButtonKey>& keys) {
    std::vector<QKeySequence> sequences;
    for (const ButtonKey& key : keys) {
        auto* shortcut = new QShortcut(key.Key, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QAbstractButton* button = key.Button;
        QObject::connect(shortcut, &QShortcut::activated, button, [button, &window] {
            if (button->isEnabled() && button->isVisibleTo(&window)) button->click();
        });
        button->setProperty(KeyProperty, key.Key.toString(QKeySequence::NativeText));
        button->setToolTip(ToolTipWithKey(button->toolTip(), *button));
        sequences.push_back(key.Key);
    }
    auto* yield = new YieldKeysToWindow(&window, sequences);
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) edit->installEventFilter(yield);
}

QString ToolTipWithKey(const QString& hint, const QWidget& widget) {
    const QString key = widget.property(KeyProperty).toString();
    if (key.isEmpty()) return hint;
    const QString keyed = QStringLiteral("(%1)").arg(key);
    if (hint.endsWith(keyed)) return hint;
    return hint.isEmpty() ? keyed : hint + u' ' + keyed;
}

}  // namespace quadrel

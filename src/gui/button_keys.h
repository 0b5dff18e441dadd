// Keys that press a window's buttons. A key does exactly what its button
// does: nothing while the button is disabled or hidden. The key is added to
// the button's tool tip.
#pragma once

#include <QKeySequence>
#include <vector>

class QAbstractButton;
class QWidget;

namespace quadrel {

struct ButtonKey {
    QKeySequence Key;
    QAbstractButton* Button;
};

void BindButtonKeys(QWidget& window, const std::vector<ButtonKey>& keys);

// The tool tip of a widget that has a key: its hint, then the key.
QString ToolTipWithKey(const QString& hint, const QWidget& widget);

}  // namespace quadrel

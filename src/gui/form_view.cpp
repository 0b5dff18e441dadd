#include "gui/form_view.h"

#include <QGroupBox>
#include <QRadioButton>
#include <string>

namespace quadrel {

QGroupBox* FormView::AddRadioGroup(QWidget& parent, RadioGroup& group, const PixelBounds& bounds,
                                   const std::vector<PixelBounds>& items) const {
    auto* box = Plain<QGroupBox>(parent, bounds);
    box->setObjectName(ToQString(group.Name()));
    std::vector<QRadioButton*> buttons;
    for (std::size_t i = 0; i < group.Items.size() && i < items.size(); ++i) {
        auto* item = Plain<QRadioButton>(*box, items[i]);
        item->setObjectName(ToQString(group.Name() + "Item" + std::to_string(i)));
        buttons.push_back(item);
    }
    binder_.Bind(*box, buttons, group);
    return box;
}

void ChainTabs(const std::vector<QWidget*>& chain) {
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace quadrel

#include "forms/controls.h"

#include <algorithm>

#include "base/text.h"

namespace quadrel {
namespace {

void Run(const EventHandler& handler) {
    if (handler) handler();
}

}  // namespace

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    NotifyObservers();
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    NotifyObservers();
}

void Control::SetHint(std::string hint) {
    if (hint_ == hint) return;
    hint_ = std::move(hint);
    NotifyObservers();
}

Control::ObserverId Control::Observe(Observer observer) {
    const ObserverId id = nextObserverId_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

void Control::Unobserve(ObserverId id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Control::NotifyObservers() const {
    // An observer may add or remove observers while it is told: each one in
    // the list at the start is looked up again, and told only while it is
    // still there.
    std::vector<ObserverId> ids;
    ids.reserve(observers_.size());
    for (const auto& entry : observers_) ids.push_back(entry.first);
    for (const ObserverId id : ids) {
        const auto found = std::find_if(observers_.begin(), observers_.end(),
                                        [id](const auto& entry) { return entry.first == id; });
        if (found == observers_.end()) continue;
        const Observer observer = found->second;  // the observer may remove itself
        observer(*this);
    }
}

void CaptionedControl::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    NotifyObservers();
}

void Button::Click() {
    if (Enabled() && Visible()) Run(OnClick);
}

void Edit::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    NotifyObservers();
    Run(OnChange);
}

void Edit::Type(std::string_view text) {
    std::string kept(text);
    // Dropped before the length is counted, so a pasted text that fits
    // without them is kept whole.
    const bool refused = std::erase_if(kept, [this](char c) {
                             return RefusedCharacters.find(c) != std::string::npos;
                         }) > 0;
    std::string typed(MaxLength > 0 ? FirstCharacters(kept, MaxLength) : kept);
    if (UpperCaseInput) typed = UpperCase(typed);
    SetText(std::move(typed));
    // After the text is shown, so that a view marks the edit as it stands.
    if (refused) Run(OnRefused);
}

void Edit::Click() {
    if (Enabled() && Visible()) Run(OnClick);
}

void RadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    if (checked) {
        for (RadioButton* other : group_) {
            if (other != this && other->checked_) {
                other->checked_ = false;
                other->NotifyObservers();
            }
        }
    }
    NotifyObservers();
    if (checked) Run(OnClick);
}

void RadioButton::Click() {
    if (Enabled() && Visible()) SetChecked(true);
}

void RadioButtonGroup::Bind(const std::vector<RadioButton*>& buttons) {
    for (RadioButton* button : buttons) button->group_ = buttons;
}

void RadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(Items.size())) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    NotifyObservers();
    Run(OnClick);
}

}  // namespace quadrel

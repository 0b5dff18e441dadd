// Toolkit-free models of the controls on the forms. A view mirrors them and
// forwards what a person does; tests and the command line drive them directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quadrel {

using EventHandler = std::function<void()>;

class Control {
public:
    using Observer = std::function<void(const Control&)>;
    // Names one observer, so that a view that goes away can stop listening.
    using ObserverId = std::uint64_t;

    explicit Control(std::string name) : name_(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& Name() const { return name_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    // False for a hint the form sets but never shows a person.
    bool HintShown = true;

    // A view's way to hear of every state change. Views live shorter than
    // the forms, so each one removes its observers when it goes.
    ObserverId Observe(Observer observer);
    void Unobserve(ObserverId id);

protected:
    void NotifyObservers() const;

private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string hint_;
    std::vector<std::pair<ObserverId, Observer>> observers_;
    ObserverId nextObserverId_ = 1;
};

// A control with a caption: a label, a panel, a button.
class CaptionedControl : public Control {
public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

private:
    std::string caption_;
};

class Label : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

class Panel : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

class Button : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    EventHandler OnClick;
    // A person's press: does nothing while the button is disabled or hidden.
    void Click();
};

class Edit : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    // A write from code: an equal text raises nothing; a different one is
    // stored, observers are told, then OnChange runs.
    void SetText(std::string text);
    // What a person's editing produced: the refused characters are dropped,
    // the maximum length and the upper-case rule apply, then as SetText;
    // OnRefused runs last when a character was dropped.
    void Type(std::string_view text);
    // A person's click into the edit.
    void Click();

    std::size_t MaxLength = 0;  // characters; 0: no limit
    bool UpperCaseInput = false;
    // Characters that typing and pasting may not put into the text.
    std::string RefusedCharacters;
    EventHandler OnChange;
    EventHandler OnClick;
    // Tells why typed characters were dropped.
    EventHandler OnRefused;

private:
    std::string text_;
};

class RadioButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    bool Checked() const { return checked_; }
    // Checking a button that was not checked unchecks the others of its
    // group, then runs OnClick. Unchecking raises nothing.
    void SetChecked(bool checked);
    // A person's click: checks the button.
    void Click();

    EventHandler OnClick;

private:
    friend class RadioButtonGroup;
    bool checked_ = false;
    std::vector<RadioButton*> group_;
};

// Binds radio buttons so that exactly one of them can be checked.
class RadioButtonGroup {
public:
    static void Bind(const std::vector<RadioButton*>& buttons);
};

class RadioGroup : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    std::vector<std::string> Items;
    int ItemIndex() const { return itemIndex_; }
    // A change of the selection runs OnClick; selecting the selected item
    // raises nothing. -1 selects nothing.
    void SetItemIndex(int index);

    EventHandler OnClick;

private:
    int itemIndex_ = -1;
};

}  // namespace quadrel

// What the four forms have in common: a caption, the platform, a modal
// result, and the guard that every event runs in.
#pragma once

#include <functional>
#include <string>

#include "forms/controls.h"
#include "forms/platform.h"

namespace quadrel {

// A form's modal result: 0 while it is shown, then 1 (OK) or 2 (cancel).
// Setting it tells the view that shows the form, which closes it.
class ModalResultValue {
public:
    ModalResultValue& operator=(int value) {
        value_ = value;
        if (OnSet) OnSet(value);
        return *this;
    }
    operator int() const { return value_; }

    std::function<void(int)> OnSet;

private:
    int value_ = 0;
};

class Form {
public:
    Form(Platform& platform, std::string name, std::string caption)
        : platform_(platform), name_(std::move(name)), caption_(std::move(caption)) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    Platform& GetPlatform() const { return platform_; }

    ModalResultValue ModalResult;

protected:
    // Runs one event's handler. A text that is no number stops that handler
    // alone: its message goes to the platform's error report.
    void Dispatch(const EventHandler& handler) const;

    // For an edit whose text a data file stores: a "/" would start the
    // line's comment there and cut the text short on the next read, so
    // typing may not put one in, and the error report says why.
    void StoredInDataFile(Edit& edit) const;

    // An event handler that calls `method` on `form` inside the guard.
    template <typename F>
    EventHandler Guarded(F& form, void (F::*method)()) const {
        return [this, &form, method] { Dispatch([&form, method] { (form.*method)(); }); };
    }

private:
    Platform& platform_;
    std::string name_;
    std::string caption_;
};

}  // namespace quadrel

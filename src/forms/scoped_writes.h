// Guards for writes into the controls whose handlers would otherwise undo
// or repeat them: every control write runs its handler at once, so a flow
// that must hold a state across such writes holds it for a scope.
#pragma once

#include <functional>
#include <utility>

namespace quadrel {

// `target` holds `during` for the scope and gets its old value back after,
// also when the scope is left by an exception.
template <typename T>
class ScopedValue {
public:
    ScopedValue(T& target, T during) : target_(target), saved_(std::move(target)) {
        target_ = std::move(during);
    }
    // Only puts the value back: for a value that writes in the scope may
    // change as a side effect but must not.
    explicit ScopedValue(T& target) : target_(target), saved_(target) {}
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;
    ~ScopedValue() { target_ = std::move(saved_); }

private:
    T& target_;
    T saved_;
};

// Applies a state now and again when the scope ends: for a state (say, a
// button switched off) that the handlers run inside the scope switch back.
class HeldState {
public:
    explicit HeldState(std::function<void()> apply) : apply_(std::move(apply)) {
        if (apply_) apply_();
    }
    HeldState(const HeldState&) = delete;
    HeldState& operator=(const HeldState&) = delete;
    ~HeldState() {
        if (apply_) apply_();
    }

private:
    std::function<void()> apply_;
};

}  // namespace quadrel

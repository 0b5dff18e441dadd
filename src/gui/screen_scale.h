// The forms' pixel sizes are for a 96 dpi screen; a screen with more logical
// dots per inch (high dpi, larger system fonts) gets them scaled, so that
// nothing clips.
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>
#include <cmath>

namespace quadrel {

class ScreenScale {
public:
    explicit ScreenScale(const QWidget& widget) : ScreenScale(Wanted(widget)) {}
    // A factor chosen for the screen's size (the main window's).
    explicit ScreenScale(double factor) : factor_(factor < 1.0 ? 1.0 : factor) {}

    // What the screen's dots per inch ask for.
    static double Wanted(const QWidget& widget) { return widget.logicalDpiY() / 96.0; }
    double Factor() const { return factor_; }

    int operator()(int pixels) const { return static_cast<int>(std::lround(pixels * factor_)); }
    QSize operator()(int width, int height) const { return {(*this)(width), (*this)(height)}; }
    QRect operator()(int left, int top, int width, int height) const {
        return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
    }

private:
    double factor_;
};

}  // namespace quadrel

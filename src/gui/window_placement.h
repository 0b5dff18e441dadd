// Where windows go and how large they may be, as functions of the screen's
// geometry alone, so that every screen can be tried without one. All sizes
// in the screen's logical pixels.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace quadrel {

// Room that a window frame takes before the window manager has told us:
// a title bar above, thin borders round.
inline constexpr QMargins FrameAllowance(4, 32, 4, 4);
// Room kept for a panel when the screen reports none (a desktop whose panel
// hides itself, or one that does not tell).
inline constexpr int PanelAllowance = 48;

// The area a window's frame may take: the screen's available area, less a
// panel's room where the screen reports the whole screen as available.
QRect UsableArea(const QRect& screen, const QRect& available);

// How a form of `formSize` pixels (at 96 dpi) is shown in `usable`: laid out
// at `Scale` (the wanted scale, or less where the screen is smaller, never
// below 1), in a window whose client area is `Client`; when even scale 1
// does not fit, `Scrolls` and the client area is what fits.
struct WindowFit {
    double Scale = 1.0;
    QSize Client;
    bool Scrolls = false;
};
WindowFit FitWindow(QSize formSize, double wantedScale, const QRect& usable, int scrollBarExtent);

// The frame's place: centred on `usable`, moved inside it where it would
// stand out (its title bar first).
QRect Centred(QSize frame, const QRect& usable);
QRect KeptInside(const QRect& frame, const QRect& usable);

// A second window's frame beside `main`: to its right where the room is,
// else to its left, narrower where only that makes room (down to 360
// pixels), else where it covers the least of `main`; never larger than
// `usable`.
QRect Beside(const QRect& main, QSize frame, const QRect& usable);

}  // namespace quadrel

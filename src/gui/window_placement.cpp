#include "gui/window_placement.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quadrel {
namespace {

constexpr int Gap = 8;
constexpr int MinimumBesideWidth = 360;

long long Area(const QRect& rect) {
    return rect.isEmpty() ? 0 : static_cast<long long>(rect.width()) * rect.height();
}

}  // namespace

QRect UsableArea(const QRect& screen, const QRect& available) {
    if (available != screen) return available;
    return available.adjusted(0, 0, 0, -PanelAllowance);
}

WindowFit FitWindow(QSize formSize, double wantedScale, const QRect& usable, int scrollBarExtent) {
    const QSize room = usable.size().shrunkBy(FrameAllowance);
    WindowFit fit;
    const double widthRoom = static_cast<double>(room.width()) / formSize.width();
    const double heightRoom = static_cast<double>(room.height()) / formSize.height();
    fit.Scale = std::max(1.0, std::min({wantedScale, widthRoom, heightRoom}));
    const QSize scaled(static_cast<int>(std::lround(formSize.width() * fit.Scale)),
                       static_cast<int>(std::lround(formSize.height() * fit.Scale)));
    fit.Scrolls = scaled.width() > room.width() || scaled.height() > room.height();
    if (!fit.Scrolls) {
        fit.Client = scaled;
        return fit;
    }
    // The scroll bar of the direction that scrolls takes room from the other.
    QSize client = scaled;
    if (scaled.height() > room.height()) client.rwidth() += scrollBarExtent;
    if (scaled.width() > room.width()) client.rheight() += scrollBarExtent;
    fit.Client = client.boundedTo(room);
    return fit;
}

QRect KeptInside(const QRect& frame, const QRect& usable) {
    QRect kept = frame;
    kept.setSize(frame.size().boundedTo(usable.size()));
    if (kept.right() > usable.right()) kept.moveRight(usable.right());
    if (kept.bottom() > usable.bottom()) kept.moveBottom(usable.bottom());
    // The title bar and the left edge win over the others.
    if (kept.left() < usable.left()) kept.moveLeft(usable.left());
    if (kept.top() < usable.top()) kept.moveTop(usable.top());
    return kept;
}

QRect Centred(QSize frame, const QRect& usable) {
    QRect centred(QPoint(0, 0), frame);
    centred.moveCenter(usable.center());
    return KeptInside(centred, usable);
}

QRect Beside(const QRect& main, QSize frame, const QRect& usable) {
    QSize size = frame.boundedTo(usable.size());
    // Narrower beside the form rather than on top of it, while the room at
    // its wider side is a useful width.
    const int room = std::max(usable.right() - main.right(), main.left() - usable.left()) - Gap;
    if (room < size.width() && room >= MinimumBesideWidth) size.setWidth(room);
    // The cover is a product of the overlaps along each axis, each least
    // against a side of `main` or of the screen: those places are tried,
    // to the right and level with `main` first.
    const std::array<int, 4> lefts{main.right() + 1 + Gap, main.left() - Gap - size.width(),
                                   usable.left(), usable.right() + 1 - size.width()};
    const std::array<int, 5> tops{main.top(), main.bottom() + 1 + Gap,
                                  main.top() - Gap - size.height(), usable.top(),
                                  usable.bottom() + 1 - size.height()};
    QRect best;
    long long bestCover = -1;
    for (const int left : lefts) {
        for (const int top : tops) {
            const QRect kept = KeptInside(QRect(QPoint(left, top), size), usable);
            const long long cover = Area(kept.intersected(main));
            if (bestCover < 0 || cover < bestCover) {
                best = kept;
                bestCover = cover;
            }
        }
    }
    return best;
}

}  // namespace quadrel

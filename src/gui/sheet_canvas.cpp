#include "gui/sheet_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "gui/sheet_painter.h"

namespace quadrel {
namespace {

constexpr int FitMargin = 12;  // pixels around the fitted sheet
// Zoom per eighth of a degree of the wheel: one notch (15 degrees) is about
// a fifth larger.
constexpr double ZoomPerWheelUnit = 1.0015;
const QColor DeskColour(112, 112, 112);
const SheetPaintStyle StaleStyle{QColor(150, 150, 150), QColor(225, 225, 225)};

}  // namespace

SheetCanvas::SheetCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SheetCanvas"));
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
}

void SheetCanvas::Show(const SheetRecorder* sheet, const SheetExtents& extents, bool stale) {
    const bool resized = extents.XMin != extents_.XMin || extents.XMax != extents_.XMax ||
                         extents.YMin != extents_.YMin || extents.YMax != extents_.YMax;
    sheet_ = sheet;
    extents_ = extents;
    stale_ = stale;
    // A sheet of another size is shown whole; the same sheet keeps the zoom.
    if (fitted_ || resized) Fit();
    update();
}

void SheetCanvas::ShowConflicts(const std::vector<SheetConflict>* conflicts) {
    conflicts_ = conflicts;
    update();
}

void SheetCanvas::Fit() {
    fitted_ = true;
    view_ =
        FitSheet(extents_, QRectF(rect()).adjusted(FitMargin, FitMargin, -FitMargin, -FitMargin));
    update();
}

void SheetCanvas::paintEvent(QPaintEvent* /*event*/) {
    ++paintCount_;
    QPainter painter(this);
    painter.fillRect(rect(), DeskColour);
    if (sheet_ == nullptr) return;
    PaintSheet(painter, *sheet_, extents_, view_, stale_ ? StaleStyle : SheetPaintStyle{});
    // A greyed sheet is no longer what the forms show, nor are its conflicts.
    if (conflicts_ != nullptr && !stale_) PaintConflicts(painter, *sheet_, *conflicts_, view_);
    if (afterPaint_) afterPaint_();
}

void SheetCanvas::wheelEvent(QWheelEvent* event) {
    const double factor = std::pow(ZoomPerWheelUnit, event->angleDelta().y());
    const QPointF at = event->position();
    view_ = view_ * QTransform::fromTranslate(-at.x(), -at.y()) *
            QTransform::fromScale(factor, factor) * QTransform::fromTranslate(at.x(), at.y());
    fitted_ = false;
    update();
    event->accept();
}

void SheetCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void SheetCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_) return;
    const QPointF moved = event->position() - *dragFrom_;
    dragFrom_ = event->position();
    view_ = view_ * QTransform::fromTranslate(moved.x(), moved.y());
    fitted_ = false;
    update();
}

void SheetCanvas::mouseReleaseEvent(QMouseEvent* /*event*/) {
    dragFrom_.reset();
    setCursor(Qt::OpenHandCursor);
}

void SheetCanvas::resizeEvent(QResizeEvent* /*event*/) {
    if (fitted_) Fit();
}

}  // namespace quadrel

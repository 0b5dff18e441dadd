// The sheet on screen: painted from a recorded sheet; the wheel zooms
// around the cursor, a drag pans, Fit shows the whole sheet.
#pragma once

#include <QTransform>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/sheet_check.h"
#include "drawing/sheet_recorder.h"

namespace quadrel {

class SheetCanvas : public QWidget {
public:
    explicit SheetCanvas(QWidget* parent = nullptr);

    // `sheet` stays owned by the caller. A stale sheet is greyed.
    void Show(const SheetRecorder* sheet, const SheetExtents& extents, bool stale);
    void Fit();
    // The sheet check's conflicts, outlined over a current sheet; nothing for
    // none. `conflicts` stays owned by the caller.
    void ShowConflicts(const std::vector<SheetConflict>* conflicts);
    // Runs after each painting.
    void SetAfterPaint(std::function<void()> afterPaint) { afterPaint_ = std::move(afterPaint); }
    // Paintings so far, for measuring how soon a change is seen.
    int PaintCount() const { return paintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const SheetRecorder* sheet_ = nullptr;
    SheetExtents extents_;
    bool stale_ = false;
    const std::vector<SheetConflict>* conflicts_ = nullptr;
    std::function<void()> afterPaint_;
    // Drawing units to widget pixels.
    QTransform view_;
    // Until a person zooms or pans, the sheet follows the window's size.
    bool fitted_ = true;
    std::optional<QPointF> dragFrom_;
    int paintCount_ = 0;
};

}  // namespace quadrel

// The sheet preview: a window beside the main window that shows the sheet
// of what the forms show now and follows every change of it. It only reads
// the forms: a sheet that cannot be drawn is explained in the window itself,
// never by a box, a beep or the message area.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QTransform>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "dxf/drawing.h"
#include "dxf/sheet_recorder.h"
#include "forms/controls.h"
#include "layout/map_layout.h"

class QPushButton;

namespace quadrel {

class TMGridInfo;
class TTitleBlockForm;

// Where the sheet is painted: the wheel zooms around the cursor, a drag
// pans, Fit shows the whole sheet.
class SheetCanvas : public QWidget {
public:
    explicit SheetCanvas(QWidget* parent = nullptr);

    // `sheet` stays owned by the caller. A stale sheet is greyed.
    void Show(const SheetRecorder* sheet, const SheetExtents& extents, bool stale);
    void Fit();
    // Drawing units to widget pixels.
    const QTransform& View() const { return view_; }
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
    QTransform view_;
    // Until a person zooms or pans, the sheet follows the window's size.
    bool fitted_ = true;
    std::optional<QPointF> dragFrom_;
    int paintCount_ = 0;
};

class SheetPreviewWindow : public QWidget {
public:
    SheetPreviewWindow(TMGridInfo& form, TTitleBlockForm& titleForm, QWidget* parent = nullptr);
    ~SheetPreviewWindow() override;

    // Draws the sheet again at once; a change of the forms does so after a
    // short quiet spell, so that a burst of changes costs one drawing.
    void Refresh();

    // The last sheet that could be drawn (empty before the first).
    const SheetRecorder& Sheet() const { return sheet_; }
    bool HasSheet() const { return layout_.has_value(); }
    // The layout of that sheet: its extents and units per inch.
    const std::optional<MapLayout>& SheetLayout() const { return layout_; }
    // Why the sheet as the forms show it now cannot be drawn; empty when it can.
    QString Reason() const { return reason_->text(); }
    SheetCanvas& Canvas() { return *canvas_; }

    // How long the forms must be quiet before the sheet is drawn again.
    static constexpr int QuietMilliseconds = 50;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Changed();
    void ExportSheet();
    void PrintSheetOnPaper();
    void ShowSheetStatus();

    TMGridInfo& form_;
    SheetRecorder sheet_;
    std::optional<MapLayout> layout_;
    QTimer quiet_;
    SheetCanvas* canvas_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* reason_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* print_ = nullptr;
    std::vector<std::pair<Control*, Control::ObserverId>> observed_;
};

}  // namespace quadrel

// The sheet preview: a window beside the main window that shows the sheet
// of what the forms show now and follows every change of it. It only reads
// the forms: a sheet that cannot be drawn is explained in the window itself,
// never by a box, a beep or the message area.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/sheet_check.h"
#include "drawing/sheet_recorder.h"
#include "drawing/world_file.h"
#include "forms/controls.h"
#include "gui/sheet_canvas.h"
#include "layout/map_layout.h"

class QCheckBox;
class QPushButton;

namespace quadrel {

class TMGridInfo;
class TTitleBlockForm;

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
    // The sheet check's conflicts of that sheet. The check follows each
    // drawing as soon as the new sheet is painted, so that a sheet of many
    // conflicts is seen without waiting for them; until then there are none.
    const std::vector<SheetConflict>& Conflicts() const { return conflicts_; }

    // How long the forms must be quiet before the sheet is drawn again.
    static constexpr int QuietMilliseconds = 50;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Changed();
    // Draws the sheet of what the forms show now, with `fileName` below the
    // title block, into `sheet`, `layout` and `offset`; the reason when it
    // cannot be drawn (then all three are left as they were).
    QString DrawShownSheet(const std::string& fileName, SheetRecorder& sheet, MapLayout& layout,
                           MapOffset& offset) const;
    void ExportSheet();
    void PrintSheetOnPaper();
    void ShowSheetStatus();
    void ShowOverlaps();
    void CheckSheetShown();

    TMGridInfo& form_;
    SheetRecorder sheet_;
    std::optional<MapLayout> layout_;
    MapOffset offset_;  // what the sheet's labels add, for an exported PNG's world file
    std::vector<SheetConflict> conflicts_;
    QTimer quiet_;
    bool checkDue_ = false;     // the sheet shown has not been checked
    bool checkPosted_ = false;  // the check is on its way
    SheetCanvas* canvas_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* reason_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* print_ = nullptr;
    QCheckBox* showOverlaps_ = nullptr;
    std::vector<std::pair<Control*, Control::ObserverId>> observed_;
};

}  // namespace quadrel

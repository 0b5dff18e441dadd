#include "gui/sheet_preview_window.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QCoreApplication>
#include <QVBoxLayout>
#include <cmath>
#include <exception>
#include <utility>

#include "forms/formtitleblock.h"
#include "forms/mgrid.h"
#include "gui/qt_text.h"
#include "gui/screen_scale.h"
#include "gui/sheet_painter.h"
#include "gui/sheet_plot.h"

namespace quadrel {
namespace {

constexpr int WindowWidth = 900;
constexpr int WindowHeight = 650;
// What the title block shows in place of the drawing's file name, which is
// chosen only when the drawing is created.
constexpr const char* PreviewFileName = "(file name of the drawing)";

// Asks the window to check the sheet it shows.
QEvent::Type CheckEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}


}  // namespace

SheetPreviewWindow::SheetPreviewWindow(TMGridInfo& form, TTitleBlockForm& titleForm,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form) {
    setObjectName(QStringLiteral("SheetPreview"));
    setWindowTitle(QStringLiteral("Sheet preview"));
    const ScreenScale scale(*this);
    resize(scale(WindowWidth, WindowHeight));

    auto* column = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    auto* fit = new QPushButton(QStringLiteral("Fit"));
    fit->setObjectName(QStringLiteral("PreviewFit"));
    export_ = new QPushButton(QStringLiteral("Export..."));
    export_->setObjectName(QStringLiteral("PreviewExport"));
    print_ = new QPushButton(QStringLiteral("Print..."));
    print_->setObjectName(QStringLiteral("PreviewPrint"));
    showOverlaps_ = new QCheckBox(QStringLiteral("Show overlaps"));
    showOverlaps_->setObjectName(QStringLiteral("PreviewShowOverlaps"));
    showOverlaps_->setChecked(true);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("PreviewStatus"));
    // Beside the form the preview may be narrow: the whole status, in two lines.
    status_->setWordWrap(true);
    tools->addWidget(fit);
    tools->addWidget(export_);
    tools->addWidget(print_);
    tools->addWidget(showOverlaps_);
    tools->addWidget(status_, 1);
    column->addLayout(tools);
    canvas_ = new SheetCanvas;
    column->addWidget(canvas_, 1);
    reason_ = new QLabel;
    reason_->setObjectName(QStringLiteral("PreviewReason"));
    reason_->setWordWrap(true);
    reason_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    reason_->hide();
    column->addWidget(reason_);

    connect(fit, &QPushButton::clicked, canvas_, &SheetCanvas::Fit);
    connect(export_, &QPushButton::clicked, this, [this] { ExportSheet(); });
    connect(print_, &QPushButton::clicked, this, [this] { PrintSheetOnPaper(); });
    connect(showOverlaps_, &QCheckBox::toggled, this, [this] { ShowOverlaps(); });
    // The check of a new sheet waits until the sheet is painted, so that a
    // sheet of many conflicts is seen without waiting for them.
    canvas_->SetAfterPaint([this] {
        if (checkDue_ && !std::exchange(checkPosted_, true)) {
            QCoreApplication::postEvent(this, new QEvent(CheckEvent()));
        }
    });

    quiet_.setSingleShot(true);
    quiet_.setInterval(QuietMilliseconds);
    connect(&quiet_, &QTimer::timeout, this, [this] { Refresh(); });
    std::vector<Control*> watched = form.DrawnControls();
    for (Edit* edit : titleForm.FieldEdits()) watched.push_back(edit);
    for (Control* control : watched) {
        observed_.emplace_back(control, control->Observe([this](const Control&) { Changed(); }));
    }
    ShowSheetStatus();
}

SheetPreviewWindow::~SheetPreviewWindow() {
    for (const auto& [control, id] : observed_) control->Unobserve(id);
}

void SheetPreviewWindow::Changed() {
    // A hidden preview draws nothing; it catches up when shown.
    if (isVisible()) quiet_.start();
}

void SheetPreviewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

QString SheetPreviewWindow::DrawShownSheet(const std::string& fileName, SheetRecorder& sheet,
                                           MapLayout& layout, MapOffset& offset) const {
    try {
        TMGridInfo::SheetPreview preview = form_.PreviewDrawingInput(fileName);
        if (!preview.Input) return ToQString(preview.Reason);
        SheetRecorder drawn;
        DrawSheet(drawn, *preview.Input);
        offset = LabelOffsetOf(*preview.Input);
        sheet = std::move(drawn);
        layout = preview.Input->Layout;
    } catch (const std::exception& error) {
        // A text that is no number met by the drawing, a drawing refused as
        // too large: said here, like the forms' own reasons.
        return QString::fromUtf8(error.what());
    }
    return {};
}

void SheetPreviewWindow::Refresh() {
    quiet_.stop();
    MapLayout layout;
    const QString reason = DrawShownSheet(PreviewFileName, sheet_, layout, offset_);
    if (reason.isEmpty()) {
        layout_ = layout;
        // Checked once the new sheet is on the screen.
        conflicts_.clear();
        checkDue_ = true;
    }
    reason_->setText(reason);
    reason_->setVisible(!reason.isEmpty());
    if (layout_) canvas_->Show(&sheet_, ExtentsOf(*layout_), !reason.isEmpty());
    ShowOverlaps();
    // A greyed sheet is no longer what the forms show: it is not to be
    // exported or printed as if it were.
    const bool current = layout_.has_value() && reason.isEmpty();
    export_->setEnabled(current);
    print_->setEnabled(current);
    ShowSheetStatus();
}

bool SheetPreviewWindow::event(QEvent* event) {
    if (event->type() != CheckEvent()) return QWidget::event(event);
    checkPosted_ = false;
    if (std::exchange(checkDue_, false)) CheckSheetShown();
    return true;
}

void SheetPreviewWindow::CheckSheetShown() {
    if (!layout_) return;
    conflicts_ = CheckSheet(sheet_, *layout_);
    ShowOverlaps();
    ShowSheetStatus();
}

void SheetPreviewWindow::ShowOverlaps() {
    canvas_->ShowConflicts(showOverlaps_->isChecked() ? &conflicts_ : nullptr);
}

void SheetPreviewWindow::ShowSheetStatus() {
    if (!layout_) {
        status_->setText(QStringLiteral("No sheet yet"));
        return;
    }
    try {
        const QSizeF inches = SheetSizeInches(*layout_);
        status_->setText(
            QStringLiteral("Sheet %1 by %2 in, %3 entities, %4 %5")
                .arg(inches.width(), 0, 'f', 2)
                .arg(inches.height(), 0, 'f', 2)
                .arg(QLocale().toString(static_cast<qlonglong>(sheet_.Entities().size())))
                .arg(QLocale().toString(static_cast<qlonglong>(conflicts_.size())))
                .arg(conflicts_.size() == 1 ? QStringLiteral("conflict")
                                            : QStringLiteral("conflicts")));
    } catch (const PlotError& error) {
        status_->setText(QString::fromUtf8(error.what()));
    }
}

void SheetPreviewWindow::ExportSheet() {
    if (!layout_) return;
    QFileDialog dialog(this, QStringLiteral("Export the sheet"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("PDF, true scale (*.pdf)"),
                           QStringLiteral("SVG, true scale (*.svg)"),
                           QStringLiteral("PNG, 150 dpi (*.png)")});
    // The chosen format's extension completes a bare name before the dialog
    // checks it, so that replacing an existing file is asked about too.
    const auto suffixOf = [](const QString& filter) {
        return filter.mid(filter.indexOf(QStringLiteral("*.")) + 2).chopped(1);
    };
    dialog.setDefaultSuffix(suffixOf(dialog.nameFilters().front()));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.setDirectory(ToQString(form_.DataDirectory.u8string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString chosen = dialog.selectedFiles().front();
    // Drawn again with the chosen file's name below the title block, as a
    // plot from the command line names its file.
    SheetRecorder named;
    MapLayout layout;
    MapOffset offset;
    QString failure = DrawShownSheet(ToPath(chosen).string(), named, layout, offset);
    if (failure.isEmpty()) {
        try {
            WritePlot({&named, &layout, offset}, ToPath(chosen));
            status_->setText(QStringLiteral("Exported to %1").arg(chosen));
            return;
        } catch (const std::exception& error) {
            failure = QString::fromUtf8(error.what());
        }
    }
    QMessageBox::warning(this, windowTitle(), failure);
}

void SheetPreviewWindow::PrintSheetOnPaper() {
    if (!layout_) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(SheetOrientation(SheetSizeInches(*layout_)));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    try {
        const double factor = PrintSheet({&sheet_, &*layout_, offset_}, printer);
        status_->setText(factor >= 1.0
                             ? QStringLiteral("Printed at true scale")
                             : QStringLiteral("Printed fitted to the paper: %1 of true scale")
                                   .arg(factor, 0, 'f', 3));
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(error.what()));
    }
}

}  // namespace quadrel

// The main window: the view of the main data entry form.
#pragma once

#include <QLabel>
#include <QWidget>
#include <vector>

#include "gui/control_binder.h"
#include "gui/screen_scale.h"

class QPushButton;

namespace quadrel {

class FormView;
class LimitsReportView;
class QtPlatform;
class TMGridInfo;
struct WindowFit;

class MGridWindow : public QWidget {
public:
    MGridWindow(TMGridInfo& form, QtPlatform& platform);
    ~MGridWindow() override;

    LimitsReportView& ReportView() { return *report_; }
    // The form itself, whole, whether or not the window scrolls it.
    QWidget& Page() { return *page_; }
    QLabel& MessageArea() { return *messageArea_; }
    // The widgets a person reaches with the Tab key, in order.
    const std::vector<QWidget*>& TabChain() const { return tabChain_; }
    ControlBinder& Binder() { return binder_; }
    // Opens the sheet preview; the window's owner decides what it shows.
    QPushButton& PreviewButton() { return *previewButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildTopRow(const FormView& view);
    void BuildSetLine(const FormView& view);
    void BuildGrid(const FormView& view);
    void BuildTickMarks(const FormView& view);
    void BuildCuttingMarks(const FormView& view);
    void BuildTitleBlock(const FormView& view);
    void BuildLegend(const FormView& view);
    void BuildNorthArrow(const FormView& view);
    void BuildActions(const FormView& view);
    void BuildReportAndMessages(const FormView& view);
    void SetTabOrder();
    void ShowLimitsReport();
    void BindKeys();
    void ShowPage(const WindowFit& fit, const QRect& usable);

    TMGridInfo& form_;
    QtPlatform& platform_;
    ControlBinder binder_;
    ScreenScale scale_{1.0};
    // The form at its pixel size, inside a scroll area that the window fits.
    QWidget* page_ = nullptr;
    LimitsReportView* report_ = nullptr;
    QLabel* messageArea_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    std::vector<QWidget*> tabChain_;
};

}  // namespace quadrel

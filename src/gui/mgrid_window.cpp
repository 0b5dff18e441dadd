#include "gui/mgrid_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "forms/mgrid.h"
#include "gui/button_keys.h"
#include "gui/button_style.h"
#include "gui/limits_report_view.h"
#include "gui/qt_platform.h"
#include "gui/qt_text.h"
#include "gui/screen_scale.h"
#include "gui/window_placement.h"

namespace quadrel {
namespace {

// The window's layout at 96 dpi: the form area above the report, the
// report's rectangle (where the hidden report panel stands), and the
// message area along the bottom.
constexpr int WindowWidth = 892;
constexpr int WindowHeight = 695;
constexpr int FormAreaHeight = 495;
constexpr int ReportLeft = 87;
constexpr int ReportTop = 500;
constexpr int ReportWidth = 730;
constexpr int ReportHeight = 146;
constexpr int MessageAreaTop = 660;
constexpr int MessageAreaHeight = 27;

// The colour of the message area: a pale yellow.
const QColor MessageAreaColour(251, 255, 192);

QLabel* HeadLabel(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

MGridWindow::MGridWindow(TMGridInfo& form, QtPlatform& platform)
    : form_(form), platform_(platform), binder_(platform, *this) {
    setObjectName(QStringLiteral("TMGridInfo"));
    setWindowTitle(QStringLiteral("Create Quadrel - Data Entry Form"));
    // A fixed border with the system menu and the minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The form keeps its pixel layout; the window fits the screen: scaled
    // as far as the screen allows, and scrolled where even that is too big.
    const QScreen* shown = screen();
    const QRect usable = shown != nullptr
                             ? UsableArea(shown->geometry(), shown->availableGeometry())
                             : QRect(0, 0, WindowWidth * 2, WindowHeight * 2);
    const WindowFit fit = FitWindow(QSize(WindowWidth, WindowHeight), ScreenScale::Wanted(*this),
                                    usable, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    scale_ = ScreenScale(fit.Scale);
    const ScreenScale& scale = scale_;
    page_ = new QWidget;
    page_->setObjectName(QStringLiteral("FormPage"));
    page_->setFixedSize(scale(WindowWidth, WindowHeight));
    ShowPage(fit, usable);

    auto* formArea = new QWidget(page_);
    formArea->setGeometry(scale(0, 0, WindowWidth, FormAreaHeight));
    auto* column = new QVBoxLayout(formArea);
    column->setContentsMargins(scale(8), scale(6), scale(8), 0);
    column->setSpacing(scale(4));
    column->addWidget(BuildTopRow());
    column->addWidget(BuildSetLine());
    column->addWidget(BuildGrid());
    auto* marks = new QHBoxLayout;
    marks->addWidget(BuildTickMarks(), 3);
    marks->addWidget(BuildCuttingMarks(), 2);
    column->addLayout(marks);
    auto* lower = new QHBoxLayout;
    lower->addWidget(BuildTitleBlock(), 3);
    lower->addWidget(BuildLegend());
    lower->addWidget(BuildNorthArrow(), 3);
    lower->addWidget(BuildActions(), 1);
    column->addLayout(lower);
    column->addStretch(1);

    BuildReportAndMessages();
    SetTabOrder();
    BindKeys();
}

void MGridWindow::ShowPage(const WindowFit& fit, const QRect& usable) {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("FormScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(page_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    if (fit.Scrolls) {
        // Only a window too small for its form may be resized, up to the form.
        const QSize bars(scroll->verticalScrollBar()->sizeHint().width(),
                         scroll->horizontalScrollBar()->sizeHint().height());
        setMinimumSize(fit.Client.boundedTo(QSize(320, 240)));
        setMaximumSize(page_->size() + bars);
        resize(fit.Client);
    } else {
        setFixedSize(fit.Client);
    }
    setGeometry(Centred(fit.Client.grownBy(FrameAllowance), usable).marginsRemoved(FrameAllowance));
}

MGridWindow::~MGridWindow() {
    form_.OnLimitsReportChanged = nullptr;
}

template <typename Widget, typename Model>
Widget* MGridWindow::Bound(Model& model) {
    auto* widget = new Widget;
    widget->setObjectName(ToQString(model.Name()));
    binder_.Bind(*widget, model);
    return widget;
}

QLineEdit* MGridWindow::EditFor(Edit& edit, int width) {
    auto* widget = Bound<QLineEdit>(edit);
    if (width > 0) widget->setFixedWidth(scale_(width));
    return widget;
}

QGroupBox* MGridWindow::RadioGroupFor(RadioGroup& group) {
    auto* box = new QGroupBox;
    box->setObjectName(ToQString(group.Name()));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(scale_(6), 0, 0, 0);
    std::vector<QRadioButton*> items;
    for (std::size_t i = 0; i < group.Items.size(); ++i) {
        auto* item = new QRadioButton;
        item->setObjectName(ToQString(group.Name() + "Item" + std::to_string(i)));
        layout->addWidget(item);
        items.push_back(item);
    }
    binder_.Bind(*box, items, group);
    return box;
}

QWidget* MGridWindow::BuildTopRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* samples = Bound<QPushButton>(form_.BitBtnCreateSampleFiles);
    samples->setStyleSheet(
        ColouredButtonStyle("#d00000", "font-weight: bold; font-style: italic;"));
    samples->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(samples);
    layout->addWidget(Bound<QPushButton>(form_.ButtonGetFileName));
    layout->addWidget(Bound<QPushButton>(form_.ButtonGetTitleData));
    layout->addStretch(1);
    QPushButton* help = Bound<QPushButton>(form_.BitBtnHelp);
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    help->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(help);
    return row;
}

QWidget* MGridWindow::BuildSetLine() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* up = Bound<QPushButton>(form_.BitBtnUp);
    up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    QPushButton* down = Bound<QPushButton>(form_.BitBtnDown);
    down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    layout->addWidget(up);
    layout->addWidget(down);
    layout->addWidget(Bound<QLabel>(form_.LabelDescription));
    layout->addWidget(EditFor(form_.EditDescription), 1);
    layout->addWidget(Bound<QLabel>(form_.LabelImpMet));
    layout->addWidget(EditFor(form_.EditImpMet, 28));
    QPushButton* add = Bound<QPushButton>(form_.ButtonAddSet);
    add->setStyleSheet(ColouredButtonStyle("#008000", "font-weight: bold;"));
    QPushButton* remove = Bound<QPushButton>(form_.ButtonDeleteSet);
    remove->setStyleSheet(ColouredButtonStyle("#d00000", "font-weight: bold;"));
    layout->addWidget(add);
    layout->addWidget(remove);
    return row;
}

QWidget* MGridWindow::BuildGrid() {
    auto* box = new QGroupBox(QStringLiteral("Grid"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(scale_(3));
    const std::vector<Label*> heads{&form_.LabelAxisTitles,   &form_.LabelMinimum,
                                    &form_.LabelMaximum,      &form_.LabelGridSpacing,
                                    &form_.LabelScale,        &form_.LabelAdd,
                                    &form_.LabelConstantToAdd};
    for (std::size_t i = 0; i < heads.size(); ++i) {
        QLabel* head = Bound<QLabel>(*heads[i]);
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, static_cast<int>(i) + 1);
    }
    const auto row = [this, grid](int at, Label& label, std::vector<std::pair<Edit*, int>> edits) {
        grid->addWidget(Bound<QLabel>(label), at, 0);
        for (std::size_t i = 0; i < edits.size(); ++i) {
            grid->addWidget(EditFor(*edits[i].first, edits[i].second), at, static_cast<int>(i) + 1);
        }
    };
    row(1, form_.LabelYAxisTitle,
        {{&form_.EditYAxisTitle, 200},
         {&form_.EditYMin, 0},
         {&form_.EditYMax, 0},
         {&form_.EditYGrid, 0},
         {&form_.EditYScale, 0},
         {&form_.EditYAdd, 40},
         {&form_.EditYConst, 0}});
    row(2, form_.LabelXAxisTitle,
        {{&form_.EditXAxisTitle, 200},
         {&form_.EditXMin, 0},
         {&form_.EditXMax, 0},
         {&form_.EditXGrid, 0},
         {&form_.EditXScale, 0},
         {&form_.EditXAdd, 40},
         {&form_.EditXConst, 0}});
    return box;
}

QWidget* MGridWindow::BuildTickMarks() {
    auto* box = new QGroupBox(QStringLiteral("Tick Marks"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(scale_(2));
    const char* upperHeads[] = {"Type", "Spacing", "Minimum", "Maximum", "Left", "Right"};
    for (int i = 0; i < 6; ++i) grid->addWidget(HeadLabel(upperHeads[i]), 0, i);
    const std::vector<Edit*> leftRight{&form_.EditTicLRType,    &form_.EditTicLRSpacing,
                                       &form_.EditTicLRMinimum, &form_.EditTicLRMaximum,
                                       &form_.EditTicLeft,      &form_.EditTicRight};
    for (int i = 0; i < 6; ++i) grid->addWidget(EditFor(*leftRight[i], i == 0 ? 32 : 0), 1, i);
    grid->addWidget(HeadLabel("Top"), 2, 4);
    grid->addWidget(HeadLabel("Bottom"), 2, 5);
    const std::vector<Edit*> topBottom{&form_.EditTicTBType,    &form_.EditTicTBSpacing,
                                       &form_.EditTicTBMinimum, &form_.EditTicTBMaximum,
                                       &form_.EditTicTop,       &form_.EditTicBottom};
    for (int i = 0; i < 6; ++i) grid->addWidget(EditFor(*topBottom[i], i == 0 ? 32 : 0), 3, i);
    return box;
}

QWidget* MGridWindow::BuildCuttingMarks() {
    auto* box = new QGroupBox(QStringLiteral("Cutting Marks"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(scale_(2));
    const char* heads[] = {"Left", "Right", "Top", "Bottom"};
    const std::vector<Edit*> cuts{&form_.EditCutLeft, &form_.EditCutRight, &form_.EditCutTop,
                                  &form_.EditCutBottom};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(HeadLabel(heads[i]), 0, i);
        grid->addWidget(EditFor(*cuts[static_cast<std::size_t>(i)]), 1, i);
    }
    grid->addWidget(Bound<QLabel>(form_.LabelBorderSize), 3, 0, 1, 3, Qt::AlignRight);
    grid->addWidget(EditFor(form_.EditBorderSize), 3, 3);
    return box;
}

QWidget* MGridWindow::BuildTitleBlock() {
    auto* box = new QGroupBox(QStringLiteral("Title Block"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(Bound<QPushButton>(form_.ButtonTitleBlockData), 0, 0, 1, 3);
    grid->addWidget(RadioGroupFor(form_.RGTitleBlock), 1, 0, 1, 3);
    grid->addWidget(Bound<QLabel>(form_.LabelTitleBlockType), 2, 0, Qt::AlignRight);
    grid->addWidget(EditFor(form_.EditTitleBlockType, 32), 2, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* MGridWindow::BuildLegend() {
    // Laid out, but not programmed: the model keeps it hidden and disabled.
    auto* bevel = new QFrame;
    bevel->setObjectName(ToQString(form_.BevelLegend.Name()));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* layout = new QVBoxLayout(bevel);
    layout->addWidget(Bound<QLabel>(form_.LabelLegend));
    layout->addWidget(RadioGroupFor(form_.RGLegend));
    binder_.Bind(*bevel, form_.BevelLegend);
    return bevel;
}

QWidget* MGridWindow::BuildNorthArrow() {
    auto* box = new QGroupBox(QStringLiteral("North Arrow"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(scale_(2));
    grid->addWidget(Bound<QRadioButton>(form_.RBUpperLeft), 0, 0);
    grid->addWidget(Bound<QRadioButton>(form_.RBUpperRight), 0, 1);
    grid->addWidget(Bound<QRadioButton>(form_.RBLowerLeft), 1, 0);
    grid->addWidget(Bound<QRadioButton>(form_.RBLowerRight), 1, 1);
    grid->addWidget(Bound<QLabel>(form_.LabelSize), 2, 0, Qt::AlignRight);
    grid->addWidget(EditFor(form_.EditSize, 60), 2, 1, Qt::AlignLeft);
    grid->addWidget(Bound<QLabel>(form_.LabelDistMapEdge), 3, 0, Qt::AlignRight);
    grid->addWidget(EditFor(form_.EditDistMapEdge, 60), 3, 1, Qt::AlignLeft);
    return box;
}

QWidget* MGridWindow::BuildActions() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, scale_(8), 0, 0);
    layout->addWidget(Bound<QPushButton>(form_.DetermineLimitsButton));
    QPushButton* output = Bound<QPushButton>(form_.BitBtnCreateOutput);
    output->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    layout->addWidget(output);
    // Not a control of the form: the preview only reads the forms.
    previewButton_ = new QPushButton(QStringLiteral("Preview sheet..."));
    previewButton_->setObjectName(QStringLiteral("PreviewSheetButton"));
    layout->addWidget(previewButton_);
    layout->addStretch(1);
    return column;
}

void MGridWindow::BuildReportAndMessages() {
    const ScreenScale& scale = scale_;
    // The report panel itself stays hidden: it only gives the report its
    // place, where the report view paints.
    report_ = new LimitsReportView(page_);
    report_->setObjectName(QStringLiteral("LimitsReport"));
    report_->setGeometry(scale(ReportLeft, ReportTop, ReportWidth, ReportHeight));
    report_->hide();
    form_.OnLimitsReportChanged = [this] { ShowLimitsReport(); };
    ShowLimitsReport();

    messageArea_ = new QLabel(page_);
    messageArea_->setObjectName(ToQString(form_.MessageArea.Name()));
    messageArea_->setGeometry(scale(4, MessageAreaTop, WindowWidth - 8, MessageAreaHeight));
    messageArea_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    messageArea_->setLineWidth(2);
    messageArea_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    messageArea_->setAutoFillBackground(true);
    QPalette palette = messageArea_->palette();
    palette.setColor(QPalette::Window, MessageAreaColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    messageArea_->setPalette(palette);
    binder_.Bind(*messageArea_, form_.MessageArea);
}

void MGridWindow::ShowLimitsReport() {
    QStringList lines;
    if (form_.LimitsReportShown) {
        for (const auto& line : *form_.LimitsReportShown) lines.append(ToQString(line));
    }
    report_->SetLines(lines);
}

void MGridWindow::SetTabOrder() {
    const auto widget = [this](const Control& control) {
        return findChild<QWidget*>(ToQString(control.Name()));
    };
    TMGridInfo& f = form_;
    const std::vector<const Control*> order{&f.ButtonGetFileName,  &f.ButtonGetTitleData,
                                            &f.EditDescription,    &f.EditImpMet,
                                            &f.EditYAxisTitle,     &f.EditYMin,
                                            &f.EditYMax,           &f.EditYGrid,
                                            &f.EditYScale,         &f.EditYAdd,
                                            &f.EditYConst,         &f.EditXAxisTitle,
                                            &f.EditXMin,           &f.EditXMax,
                                            &f.EditXGrid,          &f.EditXScale,
                                            &f.EditXAdd,           &f.EditXConst,
                                            &f.EditTicLRType,      &f.EditTicLRSpacing,
                                            &f.EditTicLRMinimum,   &f.EditTicLRMaximum,
                                            &f.EditTicLeft,        &f.EditTicRight,
                                            &f.EditTicTBType,      &f.EditTicTBSpacing,
                                            &f.EditTicTBMinimum,   &f.EditTicTBMaximum,
                                            &f.EditTicTop,         &f.EditTicBottom,
                                            &f.EditCutLeft,        &f.EditCutRight,
                                            &f.EditCutTop,         &f.EditCutBottom,
                                            &f.EditBorderSize,     &f.RGTitleBlock,
                                            &f.EditTitleBlockType, &f.RBUpperLeft,
                                            &f.RBUpperRight,       &f.RBLowerLeft,
                                            &f.RBLowerRight,       &f.EditSize,
                                            &f.EditDistMapEdge,    &f.DetermineLimitsButton,
                                            &f.BitBtnCreateOutput, &f.ButtonTitleBlockData,
                                            &f.ButtonAddSet,       &f.ButtonDeleteSet,
                                            &f.BitBtnUp,           &f.BitBtnDown};
    tabChain_.clear();
    for (const Control* control : order) {
        QWidget* found = widget(*control);
        if (control == &f.RGTitleBlock) {
            // The group is one stop: its items follow each other.
            for (QRadioButton* item : found->findChildren<QRadioButton*>())
                tabChain_.push_back(item);
            continue;
        }
        tabChain_.push_back(found);
    }
    tabChain_.push_back(previewButton_);
    for (std::size_t i = 1; i < tabChain_.size(); ++i) {
        QWidget::setTabOrder(tabChain_[i - 1], tabChain_[i]);
    }
}

void MGridWindow::BindKeys() {
    const auto button = [this](const Control& control) {
        return findChild<QAbstractButton*>(ToQString(control.Name()));
    };
    TMGridInfo& f = form_;
    BindButtonKeys(*this,
                   {{QKeySequence(Qt::Key_F1), button(f.BitBtnHelp)},
                    {QKeySequence(Qt::CTRL | Qt::Key_O), button(f.ButtonGetFileName)},
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), button(f.ButtonGetTitleData)},
                    {QKeySequence(Qt::CTRL | Qt::Key_L), button(f.DetermineLimitsButton)},
                    {QKeySequence(Qt::CTRL | Qt::Key_E), button(f.BitBtnCreateOutput)},
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), previewButton_},
                    {QKeySequence(Qt::Key_PageUp), button(f.BitBtnUp)},
                    {QKeySequence(Qt::Key_PageDown), button(f.BitBtnDown)},
                    {QKeySequence(Qt::CTRL | Qt::Key_N), button(f.ButtonAddSet)}});
}

void MGridWindow::closeEvent(QCloseEvent* event) {
    // The model decides: the exit question, the save offer, then Exit.
    event->ignore();
    binder_.Act(QStringLiteral("Closing the window"), [this] { form_.Close(); });
}

}  // namespace quadrel

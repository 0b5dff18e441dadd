#include "gui/mgrid_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <array>

#include "forms/mgrid.h"
#include "forms/mgrid_shape.h"
#include "gui/button_keys.h"
#include "gui/button_style.h"
#include "gui/form_view.h"
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
constexpr PixelBounds ReportPlace{87, 500, 730, 146};
constexpr PixelBounds MessageAreaPlace{4, 660, WindowWidth - 8, 27};

// The colour of the message area: a pale yellow.
const QColor MessageAreaColour(251, 255, 192);

// A column of a group's table: its left edge and width in the box.
struct Column {
    int Left, Width;
};

constexpr PixelBounds At(const Column& column, int top, int height) {
    return {column.Left, top, column.Width, height};
}

constexpr int EditHeight = 22;
constexpr int HeadHeight = 14;

// The form's places, group by group, at 96 dpi; a control in a box stands
// at its place in the box.
constexpr PixelBounds SampleFilesPlace{8, 7, 153, 22};
constexpr PixelBounds GetFileNamePlace{167, 7, 132, 22};
constexpr PixelBounds GetTitleDataPlace{305, 7, 168, 22};
constexpr PixelBounds HelpPlace{804, 6, 80, 24};

constexpr PixelBounds UpPlace{8, 34, 28, 24};
constexpr PixelBounds DownPlace{42, 34, 28, 24};
constexpr PixelBounds DescriptionLabelPlace{76, 34, 69, 24};
constexpr PixelBounds DescriptionPlace{151, 35, 383, 22};
constexpr PixelBounds ImpMetLabelPlace{540, 34, 138, 24};
constexpr PixelBounds ImpMetPlace{684, 35, 28, 22};
constexpr PixelBounds AddSetPlace{718, 35, 80, 22};
constexpr PixelBounds DeleteSetPlace{804, 35, 80, 22};

// Grid: the head row, then the Y row above the X row; a row's label stands
// left of the columns.
constexpr PixelBounds GridBox{8, 62, 876, 105};
constexpr std::array<Column, 7> GridColumns{
    {{55, 200}, {261, 107}, {374, 106}, {486, 107}, {599, 106}, {711, 40}, {757, 107}}};
constexpr int GridHeadTop = 29;
constexpr int GridYRowTop = 46;
constexpr int GridXRowTop = 71;
constexpr Column GridRowLabel{12, 37};

// Tick marks: heads, the left and right row, the top and bottom heads over
// the last two columns, the top and bottom row.
constexpr PixelBounds TickBox{8, 171, 523, 119};
constexpr std::array<Column, 6> TickColumns{
    {{12, 32}, {50, 87}, {143, 88}, {237, 87}, {330, 88}, {424, 87}}};
constexpr int TickHeadTop = 29;
constexpr int TickLeftRightTop = 45;
constexpr int TickLowerHeadTop = 69;
constexpr int TickTopBottomTop = 85;

constexpr PixelBounds CutBox{535, 171, 349, 119};
constexpr std::array<Column, 4> CutColumns{{{12, 77}, {95, 76}, {177, 77}, {260, 77}}};
constexpr int CutHeadTop = 29;
constexpr int CutHeadHeight = 30;
constexpr int CutEditTop = 61;
constexpr PixelBounds BorderSizeLabelPlace{113, 85, 141, 22};
constexpr PixelBounds BorderSizePlace{260, 85, 77, 22};

constexpr PixelBounds TitleBox{8, 294, 372, 131};
constexpr PixelBounds TitleBlockDataPlace{12, 29, 348, 22};
constexpr PixelBounds TitleBlockGroupPlace{12, 57, 348, 34};
constexpr PixelBounds TitleBlockPlot{9, 8, 165, 20};
constexpr PixelBounds TitleBlockDoNotPlot{180, 8, 165, 20};
constexpr PixelBounds TitleBlockTypeLabelPlace{12, 97, 28, 22};
constexpr PixelBounds TitleBlockTypePlace{46, 97, 32, 22};

// Laid out, but not programmed: the model keeps it hidden, so it has no place.
constexpr PixelBounds Nowhere{0, 0, 0, 0};

constexpr PixelBounds NorthBox{384, 294, 372, 131};
constexpr PixelBounds UpperLeftPlace{12, 29, 171, 20};
constexpr PixelBounds UpperRightPlace{189, 29, 171, 20};
constexpr PixelBounds LowerLeftPlace{12, 51, 171, 20};
constexpr PixelBounds LowerRightPlace{189, 51, 171, 20};
constexpr PixelBounds SizeLabelPlace{158, 73, 25, 22};
constexpr PixelBounds SizePlace{189, 73, 60, 22};
constexpr PixelBounds DistanceLabelPlace{34, 97, 149, 22};
constexpr PixelBounds DistancePlace{189, 97, 60, 22};

constexpr PixelBounds DetermineLimitsPlace{760, 302, 124, 22};
constexpr PixelBounds CreateOutputPlace{760, 330, 124, 24};
constexpr PixelBounds PreviewPlace{760, 360, 124, 22};

QGroupBox* Box(const FormView& view, QWidget& page, const char* title, const PixelBounds& bounds) {
    auto* box = view.Plain<QGroupBox>(page, bounds);
    box->setTitle(QString::fromUtf8(title));
    return box;
}

// A column head no control stands behind.
void Head(const FormView& view, QWidget& box, const char* text, const PixelBounds& bounds) {
    auto* label = view.Plain<QLabel>(box, bounds);
    label->setText(QString::fromUtf8(text));
    label->setAlignment(Qt::AlignCenter);
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
    page_ = new QWidget;
    page_->setObjectName(QStringLiteral("FormPage"));
    page_->setFixedSize(scale_(WindowWidth, WindowHeight));
    ShowPage(fit, usable);

    const FormView view(binder_, scale_);
    BuildTopRow(view);
    BuildSetLine(view);
    BuildGrid(view);
    BuildTickMarks(view);
    BuildCuttingMarks(view);
    BuildTitleBlock(view);
    BuildLegend(view);
    BuildNorthArrow(view);
    BuildActions(view);
    BuildReportAndMessages(view);
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

void MGridWindow::BuildTopRow(const FormView& view) {
    auto* samples = view.Add<QPushButton>(*page_, form_.BitBtnCreateSampleFiles, SampleFilesPlace);
    samples->setStyleSheet(
        ColouredButtonStyle("#d00000", "font-weight: bold; font-style: italic;"));
    samples->setFocusPolicy(Qt::NoFocus);
    view.Add<QPushButton>(*page_, form_.ButtonGetFileName, GetFileNamePlace);
    view.Add<QPushButton>(*page_, form_.ButtonGetTitleData, GetTitleDataPlace);
    auto* help = view.Add<QPushButton>(*page_, form_.BitBtnHelp, HelpPlace);
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    help->setFocusPolicy(Qt::NoFocus);
}

void MGridWindow::BuildSetLine(const FormView& view) {
    auto* up = view.Add<QPushButton>(*page_, form_.BitBtnUp, UpPlace);
    up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    auto* down = view.Add<QPushButton>(*page_, form_.BitBtnDown, DownPlace);
    down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    view.Add<QLabel>(*page_, form_.LabelDescription, DescriptionLabelPlace);
    view.Add<QLineEdit>(*page_, form_.EditDescription, DescriptionPlace);
    view.Add<QLabel>(*page_, form_.LabelImpMet, ImpMetLabelPlace);
    view.Add<QLineEdit>(*page_, form_.EditImpMet, ImpMetPlace);
    auto* add = view.Add<QPushButton>(*page_, form_.ButtonAddSet, AddSetPlace);
    add->setStyleSheet(ColouredButtonStyle("#008000", "font-weight: bold;"));
    auto* remove = view.Add<QPushButton>(*page_, form_.ButtonDeleteSet, DeleteSetPlace);
    remove->setStyleSheet(ColouredButtonStyle("#d00000", "font-weight: bold;"));
}

void MGridWindow::BuildGrid(const FormView& view) {
    QGroupBox* box = Box(view, *page_, "Grid", GridBox);
    TMGridInfo& f = form_;
    const std::array<Label*, 7> heads{&f.LabelAxisTitles,   &f.LabelMinimum, &f.LabelMaximum,
                                      &f.LabelGridSpacing,  &f.LabelScale,   &f.LabelAdd,
                                      &f.LabelConstantToAdd};
    for (std::size_t i = 0; i < heads.size(); ++i) {
        view.Add<QLabel>(*box, *heads[i], At(GridColumns[i], GridHeadTop, HeadHeight))
            ->setAlignment(Qt::AlignCenter);
    }
    const std::array<int, AxisRows.size()> tops{GridYRowTop, GridXRowTop};
    for (std::size_t row = 0; row < AxisRows.size(); ++row) {
        view.Add<QLabel>(*box, f.*AxisRows[row].Heading, At(GridRowLabel, tops[row], EditHeight));
        const auto fields = ColumnOrder(AxisRows[row].Fields);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            view.Add<QLineEdit>(*box, f.FieldEdit(fields[i]),
                                At(GridColumns[i], tops[row], EditHeight));
        }
    }
}

void MGridWindow::BuildTickMarks(const FormView& view) {
    QGroupBox* box = Box(view, *page_, "Tick Marks", TickBox);
    TMGridInfo& f = form_;
    const char* heads[] = {"Type", "Spacing", "Minimum", "Maximum", "Left", "Right"};
    for (std::size_t i = 0; i < TickColumns.size(); ++i)
        Head(view, *box, heads[i], At(TickColumns[i], TickHeadTop, HeadHeight));
    const std::array<int, TickRows.size()> tops{TickLeftRightTop, TickTopBottomTop};
    for (std::size_t row = 0; row < TickRows.size(); ++row) {
        const auto fields = ColumnOrder(TickRows[row]);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            view.Add<QLineEdit>(*box, f.FieldEdit(fields[i]),
                                At(TickColumns[i], tops[row], EditHeight));
        }
    }
    Head(view, *box, "Top", At(TickColumns[4], TickLowerHeadTop, HeadHeight));
    Head(view, *box, "Bottom", At(TickColumns[5], TickLowerHeadTop, HeadHeight));
}

void MGridWindow::BuildCuttingMarks(const FormView& view) {
    QGroupBox* box = Box(view, *page_, "Cutting Marks", CutBox);
    const char* heads[] = {"Left", "Right", "Top", "Bottom"};
    for (std::size_t i = 0; i < CutFields.size(); ++i) {
        Head(view, *box, heads[i], At(CutColumns[i], CutHeadTop, CutHeadHeight));
        view.Add<QLineEdit>(*box, form_.FieldEdit(CutFields[i]),
                            At(CutColumns[i], CutEditTop, EditHeight));
    }
    view.Add<QLabel>(*box, form_.LabelBorderSize, BorderSizeLabelPlace);
    view.Add<QLineEdit>(*box, form_.EditBorderSize, BorderSizePlace);
}

void MGridWindow::BuildTitleBlock(const FormView& view) {
    QGroupBox* box = Box(view, *page_, "Title Block", TitleBox);
    view.Add<QPushButton>(*box, form_.ButtonTitleBlockData, TitleBlockDataPlace);
    view.AddRadioGroup(*box, form_.RGTitleBlock, TitleBlockGroupPlace,
                       {TitleBlockPlot, TitleBlockDoNotPlot});
    view.Add<QLabel>(*box, form_.LabelTitleBlockType, TitleBlockTypeLabelPlace);
    view.Add<QLineEdit>(*box, form_.EditTitleBlockType, TitleBlockTypePlace);
}

void MGridWindow::BuildLegend(const FormView& view) {
    auto* bevel = view.Add<QFrame>(*page_, form_.BevelLegend, Nowhere);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    view.Add<QLabel>(*bevel, form_.LabelLegend, Nowhere);
    view.AddRadioGroup(*bevel, form_.RGLegend, Nowhere, {Nowhere, Nowhere});
}

void MGridWindow::BuildNorthArrow(const FormView& view) {
    QGroupBox* box = Box(view, *page_, "North Arrow", NorthBox);
    view.Add<QRadioButton>(*box, form_.RBUpperLeft, UpperLeftPlace);
    view.Add<QRadioButton>(*box, form_.RBUpperRight, UpperRightPlace);
    view.Add<QRadioButton>(*box, form_.RBLowerLeft, LowerLeftPlace);
    view.Add<QRadioButton>(*box, form_.RBLowerRight, LowerRightPlace);
    view.Add<QLabel>(*box, form_.LabelSize, SizeLabelPlace);
    view.Add<QLineEdit>(*box, form_.EditSize, SizePlace);
    view.Add<QLabel>(*box, form_.LabelDistMapEdge, DistanceLabelPlace);
    view.Add<QLineEdit>(*box, form_.EditDistMapEdge, DistancePlace);
}

void MGridWindow::BuildActions(const FormView& view) {
    view.Add<QPushButton>(*page_, form_.DetermineLimitsButton, DetermineLimitsPlace);
    auto* output = view.Add<QPushButton>(*page_, form_.BitBtnCreateOutput, CreateOutputPlace);
    output->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    // Not a control of the form: the preview only reads the forms.
    previewButton_ = view.Plain<QPushButton>(*page_, PreviewPlace);
    previewButton_->setText(QStringLiteral("Preview sheet..."));
    previewButton_->setObjectName(QStringLiteral("PreviewSheetButton"));
}

void MGridWindow::BuildReportAndMessages(const FormView& view) {
    // The report panel itself stays hidden: it only gives the report its
    // place, where the report view paints.
    report_ = view.Plain<LimitsReportView>(*page_, ReportPlace);
    report_->setObjectName(QStringLiteral("LimitsReport"));
    report_->hide();
    form_.OnLimitsReportChanged = [this] { ShowLimitsReport(); };
    ShowLimitsReport();

    messageArea_ = view.Add<QLabel>(*page_, form_.MessageArea, MessageAreaPlace);
    messageArea_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    messageArea_->setLineWidth(2);
    messageArea_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    messageArea_->setAutoFillBackground(true);
    QPalette palette = messageArea_->palette();
    palette.setColor(QPalette::Window, MessageAreaColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    messageArea_->setPalette(palette);
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
    std::vector<const Control*> order{&f.ButtonGetFileName, &f.ButtonGetTitleData,
                                      &f.EditDescription, &f.EditImpMet};
    // The set's fields row by row, as the boxes lay them out.
    const auto addFields = [&](const auto& fields) {
        for (GridFieldPointer field : fields) order.push_back(&f.FieldEdit(field));
    };
    for (const AxisRow& row : AxisRows) addFields(ColumnOrder(row.Fields));
    for (const TickSideFields& row : TickRows) addFields(ColumnOrder(row));
    addFields(CutFields);
    order.insert(order.end(),
                 {&f.EditBorderSize, &f.RGTitleBlock, &f.EditTitleBlockType, &f.RBUpperLeft,
                  &f.RBUpperRight, &f.RBLowerLeft, &f.RBLowerRight, &f.EditSize, &f.EditDistMapEdge,
                  &f.DetermineLimitsButton, &f.BitBtnCreateOutput, &f.ButtonTitleBlockData,
                  &f.ButtonAddSet, &f.ButtonDeleteSet, &f.BitBtnUp, &f.BitBtnDown});
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
    ChainTabs(tabChain_);
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

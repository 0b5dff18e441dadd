// The window in daily use: keys, its fit on small and scaled screens, where
// the preview opens, markers that typing replaces, the report that never
// cuts a line, what is remembered between runs.
#include <QFileDialog>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include "gui/limits_report_view.h"
#include "gui/window_fixture.h"
#include "gui/window_placement.h"

namespace quadrel::testing {
namespace {

using DailyUseTest = WindowFixture;

// The main form at 96 dpi and a screen of 1920 by 1080 device pixels, in
// logical pixels at each scale a person may choose.
const QSize Form(892, 695);
constexpr int ScrollBar = 15;

TEST(WindowPlacement, TheFormFitsTheScreenScaledOrScrolled) {
    const struct {
        QRect screen, available;
        double wanted;
        double scale;
        bool scrolls;
    } cases[] = {
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1080}, 1.0, 1.0, false},
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 1.5, (1040.0 - 36) / 695, false},
        {{0, 0, 1280, 720}, {0, 0, 1280, 720}, 1.0, 1.0, true},  // QT_SCALE_FACTOR=1.5
        {{0, 0, 960, 540}, {0, 0, 960, 540}, 1.0, 1.0, true},    // QT_SCALE_FACTOR=2
        {{0, 0, 960, 540}, {0, 0, 960, 540}, 2.0, 1.0, true},
    };
    for (const auto& c : cases) {
        const QRect usable = UsableArea(c.screen, c.available);
        const WindowFit fit = FitWindow(Form, c.wanted, usable, ScrollBar);
        const QRect frame = Centred(fit.Client.grownBy(FrameAllowance), usable);
        EXPECT_NEAR(fit.Scale, c.scale, 1e-9) << c.screen.height();
        EXPECT_EQ(fit.Scrolls, c.scrolls) << c.screen.height();
        // The whole frame on the screen, a panel's room left where none is
        // reported, and nothing larger than the form needs.
        EXPECT_TRUE(usable.contains(frame)) << c.screen.height();
        EXPECT_LE(frame.bottom(),
                  c.screen.bottom() - (c.available == c.screen ? PanelAllowance : 0));
        EXPECT_LE(fit.Client.width(), Form.width() * fit.Scale + ScrollBar + 1);
        EXPECT_LE(fit.Client.height(), Form.height() * fit.Scale + 1);
    }
}

TEST(WindowPlacement, ASecondWindowOpensBesideTheFirstOrCoversTheLeast) {
    const QRect screen(0, 0, 1920, 1032);
    const QSize preview(900, 650);
    const struct {
        QRect main;
        int expectedLeft;  // -1: wherever it covers least
        int expectedWidth;
    } cases[] = {
        {{0, 0, 900, 730}, 908, 900},      // to the right
        {{1000, 100, 900, 730}, 92, 900},  // no room right: to the left
        {{500, 0, 900, 730}, 1408, 512},   // room on neither side: narrower
        {{200, 0, 1500, 730}, -1, 900},    // too little room for that
        {{0, 0, 1920, 1032}, -1, 900},     // the first fills the screen
    };
    for (const auto& c : cases) {
        const QRect placed = Beside(c.main, preview, screen);
        EXPECT_TRUE(screen.contains(placed)) << c.main.left();
        EXPECT_EQ(placed.width(), c.expectedWidth) << c.main.left();
        if (c.expectedLeft >= 0) {
            EXPECT_EQ(placed.left(), c.expectedLeft);
            EXPECT_FALSE(placed.intersects(c.main));
        }
        // No other place on the screen covers less of the first window.
        for (int x = 0; x + placed.width() <= screen.width(); x += 60) {
            for (int y = 0; y + placed.height() <= screen.height(); y += 60) {
                const QRect other(QPoint(x, y), placed.size());
                const QRect now = placed.intersected(c.main), then = other.intersected(c.main);
                ASSERT_LE(now.width() * now.height(), then.width() * then.height() + 1)
                    << c.main.left() << " at " << x << "," << y;
            }
        }
    }
}

// The tests' screen: 1920 by 1080 at a scale of 1.5.
TEST_F(DailyUseTest, TheWindowFitsItsScreenWithTheWholeFormToScrollTo) {
    const QScreen& screen = *session->MainWindow.screen();
    const QRect usable = UsableArea(screen.geometry(), screen.availableGeometry());
    EXPECT_TRUE(usable.contains(session->MainWindow.geometry().marginsAdded(FrameAllowance)));
    const auto& scroll = Widget<QScrollArea>("FormScroll");
    ASSERT_NE(scroll.widget(), nullptr);
    EXPECT_EQ(scroll.widget()->size(), Form);
    EXPECT_LT(session->MainWindow.height(), Form.height());
}

// A row's window: the main window, or the title block dialog, shown modally
// as the program shows it.
TEST_F(DailyUseTest, AKeyDoesWhatItsButtonDoesAndItsToolTipSaysSo) {
    // At start Determine Limits and Create output are disabled: their keys
    // do nothing.
    struct Row {
        QKeySequence key;
        const char* button;
        bool enabled;
        bool opensFileDialog = false;
    };
    const Row mainRows[] = {
        {QKeySequence(Qt::Key_F1), "BitBtnHelp", true},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "ButtonGetFileName", true, true},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), "ButtonGetTitleData", true, true},
        {QKeySequence(Qt::CTRL | Qt::Key_L), "DetermineLimitsButton", false},
        {QKeySequence(Qt::CTRL | Qt::Key_E), "BitBtnCreateOutput", false},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), "PreviewSheetButton", true},
        {QKeySequence(Qt::Key_PageUp), "BitBtnUp", true},
        {QKeySequence(Qt::Key_PageDown), "BitBtnDown", true},
        {QKeySequence(Qt::CTRL | Qt::Key_N), "ButtonAddSet", true},
        {QKeySequence(Qt::CTRL | Qt::Key_E), "BitBtnCreateOutput", true},
        {QKeySequence(Qt::CTRL | Qt::Key_L), "DetermineLimitsButton", true},
    };
    const Row titleRows[] = {{QKeySequence(Qt::Key_PageUp), "BitBtnUp", true},
                             {QKeySequence(Qt::Key_PageDown), "BitBtnDown", true},
                             {QKeySequence(Qt::CTRL | Qt::Key_N), "ButtonAddSet", true}};
    const auto press = [this](QWidget& window, const Row& row) {
        auto* button = window.findChild<QAbstractButton*>(row.button);
        ASSERT_NE(button, nullptr) << row.button;
        const QString key = row.key.toString(QKeySequence::NativeText);
        EXPECT_TRUE(button->toolTip().endsWith("(" + key + ")")) << row.button;
        ASSERT_EQ(button->isEnabled(), row.enabled) << row.button;
        if (row.opensFileDialog) WhenModal([](QWidget& dialog) { dialog.close(); });
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // Pressed in an edit, where some keys are the edit's own.
        auto* edit = window.findChild<QLineEdit*>();
        edit->setFocus();
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::keySequence(edit, row.key);
        EXPECT_EQ(clicked.count(), row.enabled ? 1 : 0) << row.button;
    };
    for (const Row& row : mainRows) {
        press(session->MainWindow, row);
        // Typing enables both action buttons for the rows after.
        if (QString(row.button) == "ButtonAddSet") TypeInto("EditXMin", "5");
    }
    WhenModal([&](QWidget& dialog) {
        for (const Row& row : titleRows) press(dialog, row);
        dialog.close();
    });
    Click("ButtonTitleBlockData");
}

TEST_F(DailyUseTest, AFillInMarkerIsReplacedByWhatIsTyped) {
    TypeInto("EditXMin", "5");
    Click("DetermineLimitsButton");
    auto& edit = Widget<QLineEdit>("EditYMin");
    ASSERT_EQ(edit.text(), "Fill in!");
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(5, edit.height() / 2));
    QTRY_VERIFY_WITH_TIMEOUT(edit.hasSelectedText(), 1000);
    QTest::keyClicks(&edit, "19550");
    EXPECT_EQ(edit.text(), "19550");
    EXPECT_EQ(session->App.MGridInfo.Store.Current().YMin, "19550");
}

TEST_F(DailyUseTest, TheReportPaintsALineThatWouldNotFitSmallerInsteadOfCuttingIt) {
    auto& report = session->MainWindow.ReportView();
    const QString wide = QStringLiteral("X-Axis: ") + QString(309, u'9');
    report.SetLines({QStringLiteral("Map Limits"), QString(60, u'='), wide});
    for (int i = 0; i < 3; ++i) {
        const QPoint origin = report.LineOrigin(i);
        const int width =
            QFontMetrics(report.LineFont(i), &report).horizontalAdvance(report.Lines()[i]);
        EXPECT_GE(origin.x(), 0) << i;
        EXPECT_LE(origin.x() + width, report.width()) << i;
        EXPECT_EQ(report.LineFont(i).pointSizeF() < 10, i == 2) << i;
    }
}

TEST_F(DailyUseTest, DialogsAndWindowsStartWhereTheLastRunLeftThem) {
    Click("BitBtnCreateSampleFiles");
    const auto folder = dir / "maps";
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(dir / "QDLGrid.SAM", folder / "QDLGrid.SAM");
    QStringList offered;
    WhenModal([&](QWidget& modal) {
        offered = static_cast<QFileDialog&>(modal).nameFilters();
        ChooseFile(folder / "QDLGrid.SAM")(modal);
    });
    Click("ButtonGetFileName");
    EXPECT_EQ(offered, QStringList({"Quadrel data files (*.dat *.sam)", "All files (*)"}));
    session->MainWindow.move(40, 0);  // as high as the screen: only across
    const QPoint moved = session->MainWindow.pos();

    session.reset();  // the end of the run
    session = std::make_unique<DesktopSession>(dir.Path(), Settings());
    session->MainWindow.show();
    EXPECT_EQ(session->MainWindow.pos(), moved);
    QString started;
    WhenModal([&](QWidget& modal) {
        started = static_cast<QFileDialog&>(modal).directory().absolutePath();
        modal.close();
    });
    Click("ButtonGetFileName");
    EXPECT_EQ(started, QString::fromStdString(folder.string()));
}

}  // namespace
}  // namespace quadrel::testing

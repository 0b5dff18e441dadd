// The desktop window driven as a person drives it: keys, clicks, dialogs.
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTextBrowser>
#include <sstream>

#include "cli/command_line.h"
#include "gui/help_window.h"
#include "gui/limits_report_view.h"
#include "gui/window_fixture.h"
#include "model/set_store.h"

namespace quadrel::testing {
namespace {

using WindowTest = WindowFixture;

// What the command line prints for these arguments.
std::string CommandLineOutput(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(arguments, out, err), 0) << err.str();
    return out.str();
}

class WindowWithSamples : public WindowFixture {
protected:
    WindowWithSamples() { Click("BitBtnCreateSampleFiles"); }

    void OpenSampleGridFile() {
        WhenModal(ChooseFile(Grid()));
        Click("ButtonGetFileName");
    }
    std::filesystem::path Grid() const { return dir / "QDLGrid.SAM"; }
    std::filesystem::path Title() const { return dir / "QDLTitle.SAM"; }
    TMGridInfo& Form() { return session->App.MGridInfo; }
};

TEST_F(WindowTest, TypingKeyByKeyShowsAndStoresWhatTheFormKeeps) {
    const struct {
        const char* edit;
        QString keys;
        QString shown;
        std::string GridSet::*field;
    } cases[] = {
        {"EditImpMet", "m", "M", &GridSet::ImpMet},
        {"EditImpMet", "x", "M", &GridSet::ImpMet},
        {"EditXAdd", "1abc", "1", &GridSet::XAdd},
        {"EditXAdd", "5", "0", &GridSet::XAdd},
        {"EditTicLRType", "12", "1", &GridSet::HtPosition},
        {"EditTitleBlockType", "b", "B", &GridSet::TitleBlockType},
        {"EditTitleBlockType", "c", "A", &GridSet::TitleBlockType},
        {"EditYMax", " 250 ", "250", &GridSet::YMax},
        {"EditDescription", QString(65, u'd'), QString(60, u'd'), &GridSet::Description},
        {"EditXAxisTitle", QString(31, u'x'), QString(30, u'x'), &GridSet::XAxisTitle},
    };
    for (const auto& c : cases) {
        TypeInto(c.edit, c.keys);
        EXPECT_EQ(Widget<QLineEdit>(c.edit).text(), c.shown)
            << c.edit << " typed " << c.keys.toStdString();
        EXPECT_EQ(session->App.MGridInfo.Store.Current().*c.field, c.shown.toStdString()) << c.edit;
    }
    EXPECT_TRUE(unansweredBoxes.empty());
}

// What an edit cannot take while a person types (a text that is no number
// yet, a "/" in a text a data file stores) marks the edit: no box, no
// message, until the next keystroke it takes.
TEST_F(WindowTest, WhatAnEditCannotTakeMarksItInsteadOfABox) {
    const struct {
        const char* edit;
        QString keys;
        QString tip;         // part of the mark's tool tip
        QString shown;       // the edit's text while marked
        std::string stored;  // after one more "5"
    } cases[] = {
        {"EditXMin", "-", "'-'", "-", "-5"},
        {"EditDescription", "Pit/", "\"/\" cannot be typed here", "Pit", "Pit5"},
    };
    const QString messageBefore = session->MainWindow.MessageArea().text();
    for (const auto& c : cases) {
        auto& edit = Widget<QLineEdit>(c.edit);
        TypeInto(c.edit, c.keys);
        EXPECT_TRUE(edit.property("quadrelConversionError").toBool()) << c.edit;
        EXPECT_TRUE(edit.toolTip().contains(c.tip)) << edit.toolTip().toStdString();
        EXPECT_EQ(edit.text(), c.shown);
        TypeInto(c.edit, "5", false);
        EXPECT_FALSE(edit.property("quadrelConversionError").toBool()) << c.edit;
        EXPECT_EQ(edit.text().toStdString(), c.stored);
    }
    EXPECT_EQ(session->App.MGridInfo.Store.Current().XMin, "-5");
    EXPECT_EQ(session->App.MGridInfo.Store.Current().Description, "Pit5");
    EXPECT_EQ(session->MainWindow.MessageArea().text(), messageBefore);
    EXPECT_TRUE(unansweredBoxes.empty());
}

// Hints are tool tips, but for the one the form keeps without showing.
TEST_F(WindowTest, HintsAreToolTipsButTheConstantsHeadShowsNone) {
    const struct {
        const char* widget;
        const char* tip;  // empty: no tool tip at all
    } cases[] = {
        {"LabelAdd", "(1/0) Indicates if you wish to add the grid spacing"},
        {"EditYConst", "Add a constant to the Y-Axis on the plot."},
        {"LabelConstantToAdd", ""},
    };
    for (const auto& c : cases) {
        const QString tip = Widget(c.widget).toolTip();
        if (*c.tip == '\0') {
            EXPECT_TRUE(tip.isEmpty()) << c.widget << ": " << tip.toStdString();
        } else {
            EXPECT_TRUE(tip.startsWith(QString::fromUtf8(c.tip)))
                << c.widget << ": " << tip.toStdString();
        }
    }
}

TEST_F(WindowWithSamples, ALongerTextFromAFileIsShownWhole) {
    std::string text = TempDir::Read(Grid());
    const std::string longDescription(70, 'L');
    text.replace(0, text.find('/'), longDescription + " ");
    session->App.MGridInfo.Store = GridSetStore{};
    WhenModal(ChooseFile(dir.Write("long.dat", text)));
    Click("ButtonGetFileName");
    Click("BitBtnDown");
    EXPECT_EQ(Widget<QLineEdit>("EditDescription").text().toStdString(), longDescription);
}

TEST_F(WindowWithSamples, DeterminedLimitsArePaintedAsTheCommandLinePrintsThem) {
    OpenSampleGridFile();
    EXPECT_EQ(Actions(), std::pair(false, true));
    EXPECT_FALSE(Widget("ButtonGetFileName").isEnabled());
    Click("BitBtnDown");
    EXPECT_EQ(Actions(), std::pair(true, true));
    Click("DetermineLimitsButton");

    const LimitsReportView& report = session->MainWindow.ReportView();
    ASSERT_TRUE(report.isVisible());
    const std::string printed =
        CommandLineOutput({"limits", "--grid", Grid().string(), "--set", "1"});
    EXPECT_EQ(report.Lines().join(u'\n').toStdString() + "\n", printed);

    // Each of the seven lines inked in its own line, one line height (the
    // screen's pixels per inch times 10 / 72, plus one) below the one before,
    // in the form as a person sees it; the frame is left out.
    const QImage window = Widget("FormPage").grab().toImage();
    const QRect area = report.geometry().adjusted(2, 0, -2, 0);
    const int lineHeight = report.logicalDpiY() * 10 / 72 + 1;
    for (int line = 0; line < 7; ++line) {
        const int top = area.top() + (line + 1) * lineHeight;
        int dark = 0;
        for (int y = top; y < top + lineHeight - 1 && y < area.bottom() - 1; ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                dark += qGray(window.pixel(x, y)) < 96;
        }
        EXPECT_GT(dark, 20) << "line " << line + 1;
    }
}

TEST_F(WindowWithSamples, CreateOutputWritesWhatTheCommandLineWritesThenExitsWithStatusOne) {
    // The drawing date of both runs; gone again whatever the test's outcome.
    struct FixedDate {
        FixedDate() { qputenv("SOURCE_DATE_EPOCH", "86400"); }
        ~FixedDate() { qunsetenv("SOURCE_DATE_EPOCH"); }
    } fixedDate;
    OpenSampleGridFile();
    Click("BitBtnDown");
    WhenModal(ChooseFile(Title()));
    WhenModal(PressButton("OK"));  // the title block dialog
    Click("ButtonGetTitleData");

    const auto output = dir / "sheet.dxf";
    WhenModal(ChooseFile(output));
    WhenModal(PressButton("Cancel"));  // "Exit program now?"
    Click("BitBtnCreateOutput");
    ASSERT_TRUE(std::filesystem::exists(output));
    EXPECT_FALSE(session->Platform.ExitStatus());
    EXPECT_TRUE(session->MainWindow.isVisible());

    const std::string fromWindow = TempDir::Read(output);
    std::filesystem::remove(output);
    CommandLineOutput({"dxf", "--grid", Grid().string(), "--set", "1", "--title", Title().string(),
                       "--output", output.string()});
    EXPECT_TRUE(fromWindow == TempDir::Read(output)) << "the window's drawing differs";

    // A changed set is offered for saving before the program ends.
    TypeInto("EditDescription", "Changed");
    WhenModal(ChooseFile(dir / "changed.dxf"));
    WhenModal(PressButton("OK"));
    bool offered = false;
    WhenModal([&offered](QWidget& dialog) {
        offered = dialog.findChild<QGroupBox*>("RG_AddGrid") != nullptr &&
                  dialog.findChild<QGroupBox*>("RG_AddGrid")->isVisible();
        dialog.findChild<QRadioButton*>("RG_AddGridItem1")->click();  // "No"
        dialog.close();
    });
    Click("BitBtnCreateOutput");
    EXPECT_TRUE(offered);
    EXPECT_EQ(session->Platform.ExitStatus(), 1);
}

TEST_F(WindowTest, TheCloseBoxAsksFirstAndEndsWithStatusZero) {
    WhenModal(PressButton("Cancel"));
    session->MainWindow.close();
    EXPECT_FALSE(session->Platform.ExitStatus());
    EXPECT_TRUE(session->MainWindow.isVisible());

    WhenModal([](QWidget& question) {
        EXPECT_EQ(question.windowTitle(), "Exit program notice...");
        PressButton("OK")(question);
    });
    session->MainWindow.close();
    EXPECT_EQ(session->Platform.ExitStatus(), 0);
}

TEST_F(WindowTest, HelpOpensQuadrelsOwnPage) {
    Click("BitBtnHelp");
    const HelpWindow* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* found = dynamic_cast<HelpWindow*>(top); found != nullptr && found->isVisible())
            help = found;
    }
    ASSERT_NE(help, nullptr);
    const QString page = const_cast<HelpWindow*>(help)->Browser().toPlainText();
    for (const char* topic : {"Determine Limits", "Create output", "Title Block", "0004"}) {
        EXPECT_TRUE(page.contains(QString::fromLatin1(topic))) << topic;
    }
}

TEST_F(WindowTest, ActionButtonsFollowTheFieldsAndTabFollowsTheForm) {
    EXPECT_EQ(Actions(), std::pair(false, false));
    TypeInto("EditXMin", "5");
    EXPECT_EQ(Actions(), std::pair(true, true));
    TypeInto("EditYAxisTitle", "N");
    EXPECT_EQ(Actions(), std::pair(true, false));
    TypeInto("EditXConst", "1");
    EXPECT_EQ(Actions(), std::pair(true, true));

    const QStringList expected =
        QStringLiteral(
            "ButtonGetFileName ButtonGetTitleData EditDescription EditImpMet EditYAxisTitle "
            "EditYMin EditYMax EditYGrid EditYScale EditYAdd EditYConst EditXAxisTitle "
            "EditXMin EditXMax EditXGrid EditXScale EditXAdd EditXConst EditTicLRType "
            "EditTicLRSpacing EditTicLRMinimum EditTicLRMaximum EditTicLeft EditTicRight "
            "EditTicTBType EditTicTBSpacing EditTicTBMinimum EditTicTBMaximum EditTicTop "
            "EditTicBottom EditCutLeft EditCutRight EditCutTop EditCutBottom EditBorderSize "
            "RGTitleBlockItem0 RGTitleBlockItem1 EditTitleBlockType RBUpperLeft RBUpperRight "
            "RBLowerLeft RBLowerRight EditSize EditDistMapEdge DetermineLimitsButton "
            "BitBtnCreateOutput ButtonTitleBlockData ButtonAddSet ButtonDeleteSet BitBtnUp "
            "BitBtnDown PreviewSheetButton")
            .split(u' ');
    QStringList chain;
    QWidget* widget = &Widget("ButtonGetFileName");
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisible()) {
            chain.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != &Widget("ButtonGetFileName"));
    EXPECT_EQ(chain, expected);
}

TEST_F(WindowTest, EveryCorpusGridFileOpensWithoutACrashAndABadOneSaysWhy) {
    const std::filesystem::path corpus = std::filesystem::path(QUADREL_TEST_CORPUS_DIR) / "grid";
    int opened = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        unansweredBoxes.clear();
        session->App.MGridInfo.Store = GridSetStore{};
        session->App.MGridInfo.MessageArea.SetCaption("");
        session->App.MGridInfo.ButtonGetFileName.SetEnabled(true);
        WhenModal(ChooseFile(entry.path()));
        Click("ButtonGetFileName");
        const bool loaded = session->App.MGridInfo.Store.GridFileLoaded;
        const bool explained = !session->MainWindow.MessageArea().text().trimmed().isEmpty() ||
                               !unansweredBoxes.empty();
        EXPECT_TRUE(loaded || explained) << entry.path().filename();
        opened += loaded;
    }
    EXPECT_GT(opened, 10);
}

TEST_F(WindowTest, AFailureEscapingAHandlerIsReportedAndNothingRunsInsideAnUnfinishedOne) {
    ControlBinder& binder = session->MainWindow.Binder();
    bool nestedRan = false;
    const bool finished = binder.Act("Pressing a button", [&] {
        nestedRan = binder.Act("A second press", [] {});
        session->MainWindow.close();  // the close box while busy: ignored
        throw std::runtime_error("disk on fire");
    });
    EXPECT_FALSE(finished);
    EXPECT_FALSE(nestedRan);
    ASSERT_EQ(unansweredBoxes.size(), 1u);
    EXPECT_EQ(unansweredBoxes[0], "Pressing a button failed: disk on fire");
}

}  // namespace
}  // namespace quadrel::testing

// The sheet as the preview and the plots show it: pages at true scale, ink
// where the recorded sheet has lines and texts, and a preview that follows
// the forms without ever changing them.
#include <sys/stat.h>

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <optional>
#include <sstream>

#include "base/file_size_limit.h"
#include "cli/command_line.h"
#include "drawing/grid.h"
#include "drawing/title_block_a.h"
#include "gui/desktop.h"
#include "gui/sheet_plot.h"
#include "gui/window_fixture.h"
#include "model/messages.h"
#include "support/error_of.h"

namespace quadrel::testing {
namespace {

class SheetPreviewTest : public WindowFixture {
protected:
    SheetPreviewTest() {
        Click("BitBtnCreateSampleFiles");
        WhenModal(ChooseFile(dir / "QDLGrid.SAM"));
        Click("ButtonGetFileName");
    }
    // Showing the preview draws the sheet at once.
    SheetPreviewWindow& OpenPreview() {
        SheetPreviewWindow& preview = session->ShowPreview();
        EXPECT_TRUE(preview.HasSheet());
        return preview;
    }
};

// The longest entity of `kind` on `layer`.
const SheetEntity& Longest(const SheetRecorder& sheet, std::string_view layer,
                           SheetEntityKind kind) {
    const SheetEntity* found = nullptr;
    double best = -1;
    for (const SheetEntity& entity : sheet.Entities()) {
        if (entity.Kind != kind || sheet.LayerOf(entity) != layer) continue;
        const auto p = sheet.PointsOf(entity);
        const double size = kind == SheetEntityKind::Text
                                ? static_cast<double>(entity.TextLength)
                                : std::hypot(p.back().X - p.front().X, p.back().Y - p.front().Y);
        if (size > best) best = size, found = &entity;
    }
    if (found == nullptr) throw std::runtime_error("no entity on " + std::string(layer));
    return *found;
}

TEST_F(SheetPreviewTest, PlotsAreTheSheetAtTrueScaleWithInkWhereTheSheetHasIt) {
    SheetPreviewWindow& preview = OpenPreview();
    const MapLayout& layout = *preview.SheetLayout();
    const double widthIn = (layout.PlotXMax - layout.PlotXMin) / layout.XUnitsPerInch;
    const double heightIn = (layout.PlotYMax - layout.PlotYMin) / layout.YUnitsPerInch;
    const DesktopPlots plots(0, nullptr);
    const std::string grid = (dir / "QDLGrid.SAM").string();
    // Runs the command line with Qt's plot writers: the file `name` it wrote.
    const auto run = [&](const std::vector<std::string>& arguments, const std::string& name) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(arguments, out, err, plots.Writers()), 0) << err.str();
        QFile file(QString::fromStdString((dir / name).string()));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return QString::fromLatin1(file.readAll());
    };
    const auto plot = [&](const std::string& name, std::vector<std::string> more = {}) {
        more.insert(more.begin(), {"plot", "--grid", grid, "--output", (dir / name).string()});
        return run(more, name);
    };
    const struct {
        const char* name;
        const char* pattern;  // the page's width and height
        double unitsPerInch;
    } pages[] = {
        {"sheet.pdf", R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])", 72.0},
        {"sheet.svg", R"(<svg width="([\d.]+)mm" height="([\d.]+)mm")", 25.4},
    };
    for (const auto& page : pages) {
        const auto size =
            QRegularExpression(QString::fromLatin1(page.pattern)).match(plot(page.name));
        ASSERT_TRUE(size.hasMatch()) << page.name;
        EXPECT_NEAR(size.captured(1).toDouble() / page.unitsPerInch, widthIn, 0.01) << page.name;
        EXPECT_NEAR(size.captured(2).toDouble() / page.unitsPerInch, heightIn, 0.01) << page.name;
    }

    const QString series = run(
        {"series", "--grid", grid, "--dir", dir.Path().string(), "--format", "pdf"}, "series.pdf");
    EXPECT_EQ(series.count(QRegularExpression(QStringLiteral(R"(/Type /Page\b)"))),
              session->App.MGridInfo.Store.GridSetCount);

    constexpr int Dpi = 100;
    plot("sheet.png", {"--dpi", std::to_string(Dpi)});
    const QImage png(QString::fromStdString((dir / "sheet.png").string()));
    ASSERT_NEAR(png.width(), widthIn * Dpi, 1.0);
    // The world file places the picture: its corners are the sheet's within
    // half a pixel, and the ink lies where it says the sheet's entities are.
    QFile pgw(QString::fromStdString((dir / "sheet.pgw").string()));
    ASSERT_TRUE(pgw.open(QIODevice::ReadOnly));
    std::istringstream worldFile(pgw.readAll().toStdString());
    double world[6] = {};
    for (double& number : world) worldFile >> number;
    const auto pixel = [&](double x, double y) {
        return QPointF((x - world[4]) / world[0] + 0.5, (y - world[5]) / world[3] + 0.5);
    };
    EXPECT_NEAR(pixel(layout.PlotXMin, layout.PlotYMax).x(), 0, 0.5);
    EXPECT_NEAR(pixel(layout.PlotXMin, layout.PlotYMax).y(), 0, 0.5);
    EXPECT_NEAR(pixel(layout.PlotXMax, layout.PlotYMin).x(), png.width(), 0.5);
    EXPECT_NEAR(pixel(layout.PlotXMax, layout.PlotYMin).y(), png.height(), 0.5);
    // Dark pixels in a box of the picture.
    const auto ink = [&](QPointF a, QPointF b) {
        int dark = 0;
        const QRect box = QRectF(a, b).normalized().toAlignedRect().adjusted(-2, -2, 2, 2);
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                dark += png.rect().contains(x, y) && qGray(png.pixel(x, y)) < 128;
            }
        }
        return dark;
    };
    const SheetRecorder& sheet = preview.Sheet();
    const auto line = sheet.PointsOf(Longest(sheet, GridLayer, SheetEntityKind::Line));
    for (const double along : {0.25, 0.5, 0.75}) {
        const QPointF at = pixel(line[0].X + (line[1].X - line[0].X) * along,
                                 line[0].Y + (line[1].Y - line[0].Y) * along);
        EXPECT_GT(ink(at, at), 0) << "grid line at " << along;
    }
    const SheetEntity& title = Longest(sheet, TitleBlockALayer, SheetEntityKind::Text);
    const SheetPoint start = sheet.PointsOf(title).front();
    const QPointF corner = pixel(start.X, start.Y);
    const double height = title.Height / layout.YUnitsPerInch * Dpi;
    EXPECT_GT(ink(corner, corner + QPointF(height * 0.5 * title.TextLength, -height)), height * 4)
        << sheet.TextOf(title);
}

TEST_F(SheetPreviewTest, ExportNamesTheChosenFileBelowTheTitleBlock) {
    OpenPreview();
    const auto path = dir / "exported.svg";
    WhenModal(ChooseFile(path));
    Click("PreviewExport");
    const std::string svg = TempDir::Read(path);
    EXPECT_NE(svg.find(">" + path.string() + "<"), std::string::npos);
    EXPECT_EQ(svg.find("file name of the drawing"), std::string::npos);
}

TEST_F(SheetPreviewTest, PreviewFollowsTypingAndExplainsABrokenFieldWithoutTouchingTheForms) {
    SheetPreviewWindow& preview = OpenPreview();
    const std::size_t before = preview.Sheet().Entities().size();
    TypeInto("EditXGrid", "25");
    ASSERT_TRUE(QTest::qWaitFor([&] { return preview.Sheet().Entities().size() > before; }, 2000));
    EXPECT_TRUE(preview.Reason().isEmpty());

    // Texts Determine Limits would correct (swapped limits, a negative scale,
    // an empty cut) are drawn as corrected, but only on copies; broken ones
    // are explained. Either way the forms stay as they were.
    TMGridInfo& form = session->App.MGridInfo;
    const struct {
        const char* edit;
        QString keys;
        std::string reason;  // empty: the sheet is drawn
    } cases[] = {
        {"EditXMin", "999999", ""},
        {"EditYScale", "-100", ""},
        {"EditCutLeft", "\b", ""},
        {"EditYMax", "\b", *MessageText(Messages::MaximumYMissing, "YMax")},
        {"EditXScale", "1:500", "1:500"},
        {"EditXGrid", "ten", "ten"},
    };
    for (const auto& c : cases) {
        const QString original = Widget<QLineEdit>(c.edit).text();
        TypeInto(c.edit, c.keys);
        const std::size_t drawn = preview.Sheet().Entities().size();
        const QString message = session->MainWindow.MessageArea().text();
        const auto buttons = Actions();
        const GridSet stored = form.Store.Current();
        const auto report = form.LimitsReportShown;
        const auto limits = std::tuple(form.Layout.XMin, form.Layout.XMax, form.Layout.YScale);
        const QString shown = Widget<QLineEdit>(c.edit).text();
        preview.Refresh();
        if (c.reason.empty()) {
            EXPECT_TRUE(preview.Reason().isEmpty())
                << c.edit << ": " << preview.Reason().toStdString();
        } else {
            EXPECT_TRUE(preview.Reason().toStdString().find(c.reason) != std::string::npos)
                << c.edit << ": " << preview.Reason().toStdString();
            EXPECT_EQ(preview.Sheet().Entities().size(), drawn)
                << c.edit << ": the last sheet stays";
            EXPECT_FALSE(Widget("PreviewExport").isEnabled()) << c.edit << ": a stale sheet";
        }
        EXPECT_EQ(session->MainWindow.MessageArea().text(), message) << c.edit;
        EXPECT_EQ(Actions(), buttons) << c.edit;
        EXPECT_EQ(form.Store.Current(), stored) << c.edit;
        EXPECT_EQ(form.LimitsReportShown, report) << c.edit;
        EXPECT_EQ(std::tuple(form.Layout.XMin, form.Layout.XMax, form.Layout.YScale), limits)
            << c.edit;
        EXPECT_TRUE(unansweredBoxes.empty()) << c.edit;
        EXPECT_EQ(Widget<QLineEdit>(c.edit).text(), shown) << c.edit;
        TypeInto(c.edit, original);
    }
}

// A plot is put in place only when every byte was written: on a full disk
// (here a file grown past the size allowed) the old file stays, nothing is
// left beside it, and the reason is the system's; a FIFO is refused and left
// alone; a sheet of absurd size is "too large"; a name that is no UTF-8 is
// written with exactly its bytes.
TEST_F(SheetPreviewTest, PlotsAreWrittenWholeOrNotAtAll) {
    SheetPreviewWindow& preview = OpenPreview();
    MapLayout huge = *preview.SheetLayout();
    huge.PlotXMax = 1e308;
    ASSERT_EQ(::mkfifo((dir / "fifo.svg").c_str(), 0600), 0);
    const struct {
        std::string name;
        std::string refusal;  // part of the message; empty when written
        const MapLayout* layout = nullptr;
        rlim_t sizeLimit = 0;
    } cases[] = {
        {"sheet.pdf", "File too large", nullptr, 2000},
        {"sheet.svg", "File too large", nullptr, 2000},
        {"sheet.png", "File too large", nullptr, 2000},
        {"series.pdf", "File too large", nullptr, 2000},
        {"fifo.svg", "it is a FIFO, not a regular file"},
        {"big.pdf", "over a billion by ", &huge},
        {"big.png", "pixels, too large for a picture", &huge},
        {"bad\xff\xfe.pdf", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path path = dir / c.name;
        if (c.name != "fifo.svg") dir.Write(c.name, "old plot");
        const std::size_t files = dir.FileCount();
        const PlotPage page{&preview.Sheet(), c.layout ? c.layout : &*preview.SheetLayout(), {}};
        const auto write = [&] {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit > 0) limit.emplace(c.sizeLimit);
            if (c.name == "series.pdf") {
                WritePdfPages({2, [&](std::size_t) { return page; }}, path);
            } else {
                WritePlot(page, path);
            }
        };
        if (c.refusal.empty()) {
            write();
            EXPECT_EQ(TempDir::Read(path).rfind("%PDF", 0), 0U);
        } else {
            const std::string message = ErrorOf<std::runtime_error>(write);
            EXPECT_NE(message.find(c.refusal), std::string::npos) << message;
            EXPECT_NE(message.find(path.string()), std::string::npos) << message;
            if (c.name != "fifo.svg") {
                EXPECT_EQ(TempDir::Read(path), "old plot");
            }
        }
        EXPECT_EQ(dir.FileCount(), files);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo.svg"));
}

// Red pixels of the canvas as it paints itself now.
int RedPixels(SheetCanvas& canvas) {
    const QImage shown = canvas.grab().toImage();
    int red = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    }
    return red;
}

TEST_F(SheetPreviewTest, ConflictsAreOutlinedInRedCountedAndFollowTheForms) {
    SheetPreviewWindow& preview = OpenPreview();
    const auto& conflicts = preview.Conflicts();
    // The check follows the painted sheet.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !conflicts.empty(); }, 2000));
    const auto status = [&] { return Widget<QLabel>("PreviewStatus").text().toStdString(); };
    EXPECT_NE(status().find(", " + std::to_string(conflicts.size()) + " conflicts"),
              std::string::npos)
        << status();
    auto& show = Widget<QCheckBox>("PreviewShowOverlaps");
    EXPECT_TRUE(show.isChecked());
    EXPECT_GT(RedPixels(preview.Canvas()), 20);
    show.click();
    EXPECT_EQ(RedPixels(preview.Canvas()), 0);
    show.click();
    EXPECT_GT(RedPixels(preview.Canvas()), 20);

    // The tick label under the north arrow's N is no conflict once the arrow
    // is gone: the check follows each drawing.
    const auto overArrow = [&] {
        return std::count_if(conflicts.begin(), conflicts.end(), [](const SheetConflict& c) {
            return c.Second.Kind == SheetItemKind::NorthArrow;
        });
    };
    ASSERT_EQ(overArrow(), 1);
    const std::size_t before = conflicts.size();
    TypeInto("EditSize", "0");
    preview.Refresh();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !conflicts.empty(); }, 2000));
    EXPECT_EQ(overArrow(), 0);
    EXPECT_EQ(conflicts.size(), before - 1);
}

}  // namespace
}  // namespace quadrel::testing

#include "gui/desktop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <ostream>
#include <stdexcept>

#include "gui/atomic_file_device.h"
#include "gui/desktop_session.h"
#include "gui/qt_text.h"
#include "gui/sheet_plot.h"

namespace quadrel {
namespace {

constexpr int ExitStopped = 2;

// The desktop's own guard: an exception that escapes a handler and the
// binders' guards must not end the program. It is reported by what failed.
class QuadrelApplicationLoop : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            Report(receiver, QString::fromUtf8(error.what()));
        } catch (...) {
            Report(receiver, QStringLiteral("an unknown error"));
        }
        return false;
    }

private:
    static void Report(QObject* receiver, const QString& what) {
        const QString where = receiver != nullptr && !receiver->objectName().isEmpty()
                                  ? receiver->objectName()
                                  : QStringLiteral("The window");
        QMessageBox::critical(nullptr, applicationName(),
                              where + QStringLiteral(" failed: ") + what);
    }
};

// Qt's notes that are no fault of Quadrel's: a command run from a script or a
// service has no session folders, and the offscreen platform cannot size or
// raise windows. They would read like faults of the command. The rest
// start with the program's name, as every message of the command line does.
void QuietenQtNotes() {
    static const QtMessageHandler qtHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.startsWith(QStringLiteral("QStandardPaths:")) ||
                message.startsWith(QStringLiteral("This plugin does not support"))) {
                return;
            }
            if (qtHandler != nullptr)
                qtHandler(type, context, QStringLiteral("quadrel: ") + message);
        });
}

// Qt aborts the process when it finds no display to connect to; a person at
// a terminal without one is better told so.
bool NoDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

// Ends the event loop after the first paint of the window it watches.
class FirstPaintExit : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

// Saves a picture through a temporary file, so that a failed write leaves
// no half-written file.
void SavePicture(const QPixmap& picture, const std::filesystem::path& path) {
    AtomicFileDevice file(path);
    if (!picture.save(&file, "PNG")) {
        throw std::runtime_error("cannot write " + path.string() + ": the PNG cannot be made");
    }
    file.Commit();
}

int RunScreenshots(const DesktopRequest& request, std::ostream& out) {
    const std::filesystem::path& dir = request.Dir;
    std::filesystem::create_directories(dir);

    DesktopSession session(std::filesystem::current_path());
    session.MainWindow.show();
    TTitleBlockForm& titleForm = session.App.TitleBlockForm;
    std::optional<std::filesystem::path> titlePicture;
    // The title file's reader shows the dialog modally: picture it at the
    // first title set, then press OK as a person would.
    session.Platform.ModalOverride = [&](Form& form, QDialog& dialog) {
        if (&form != &titleForm) return ModalResultCancel;
        while (titleForm.Store.CurrentTitleSet > 1) titleForm.BitBtnDown.Click();
        QApplication::processEvents();
        titlePicture = dir / "title-block.png";
        SavePicture(dialog.grab(), *titlePicture);
        titleForm.BitBtnOk.Click();
        return static_cast<int>(titleForm.ModalResult);
    };
    if (request.Grid) session.OpenGridFile(*request.Grid);
    if (request.Title) session.OpenTitleFile(*request.Title);
    TMGridInfo& form = session.App.MGridInfo;
    while (form.Store.CurrentGridSet > 0 && form.BitBtnDown.Enabled()) form.BitBtnDown.Click();
    form.DetermineLimitsButton.Click();
    QApplication::processEvents();
    const auto mainPicture = dir / "main-window.png";
    // The whole form, as a screen large enough shows it.
    SavePicture(session.MainWindow.Page().grab(), mainPicture);
    SheetPreviewWindow& preview = session.ShowPreview();
    QApplication::processEvents();
    // The sheet check follows a painted sheet; its outlines are in the picture.
    preview.Canvas().repaint();
    QApplication::processEvents();
    const auto previewPicture = dir / "preview.png";
    SavePicture(preview.grab(), previewPicture);
    out << mainPicture.string() << '\n';
    if (titlePicture) out << titlePicture->string() << '\n';
    out << previewPicture.string() << '\n';
    if (!form.LimitsReportShown || !titlePicture || !preview.HasSheet()) {
        throw std::runtime_error("the sample sets did not open: " +
                                 ToStdString(session.MainWindow.MessageArea().text()));
    }
    return 0;
}

int RunWindow(const DesktopRequest& request) {
    DesktopSession session(std::filesystem::current_path());
    session.MainWindow.show();
    // For timing the start-up (make bench): end once the window has been
    // painted for the first time.
    if (qEnvironmentVariableIsSet("QUADREL_EXIT_WHEN_SHOWN")) {
        FirstPaintExit exitOnPaint;
        session.MainWindow.installEventFilter(&exitOnPaint);
        return QApplication::exec();
    }
    // Opened from within the event loop: the title file's dialog is modal.
    QTimer::singleShot(0, [&session, &request] {
        if (request.Grid) session.OpenGridFile(*request.Grid);
        if (request.Title) session.OpenTitleFile(*request.Title);
    });
    return QApplication::exec();
}

}  // namespace

struct DesktopPlots::Qt {
    std::unique_ptr<QGuiApplication> Application;
};

DesktopPlots::DesktopPlots(int argc, char** argv)
    : argc_(argc > 0 ? 1 : 0), argv_(argv), qt_(std::make_unique<Qt>()) {
    writers_.WriteSheet = [this](const PlotPage& page, const std::filesystem::path& path, int dpi) {
        StartQt();
        WritePlot(page, path, dpi);
    };
    writers_.WritePages = [this](const PlotPageSource& pages, const std::filesystem::path& path) {
        StartQt();
        WritePdfPages(pages, path);
    };
}

DesktopPlots::~DesktopPlots() = default;

void DesktopPlots::StartQt() {
    if (QCoreApplication::instance() != nullptr) return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietenQtNotes();
    // Given the program's name only, as the window is.
    qt_->Application = std::make_unique<QGuiApplication>(argc_, argv_);
}

int RunDesktop(int argc, char** argv, const DesktopRequest& request, std::ostream& out,
               std::ostream& err) {
    try {
        const bool screenshots = request.Screenshots;
        if (!screenshots && NoDisplay()) {
            err << "quadrel: there is no display to open the window on; quadrel --help lists "
                   "the commands that need none\n";
            return ExitStopped;
        }
        // Screenshots need no display.
        if (screenshots && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // Qt reads options of its own from the command line ("--title" sets
        // a window's title): it is given the program's name only.
        int qtArgumentCount = argc > 0 ? 1 : 0;
        char* qtArguments[] = {argc > 0 ? argv[0] : nullptr, nullptr};
        if (screenshots) QuietenQtNotes();
        QuadrelApplicationLoop application(qtArgumentCount, qtArguments);
        QApplication::setApplicationName(ToQString(ApplicationTitle));
        return screenshots ? RunScreenshots(request, out) : RunWindow(request);
    } catch (const std::exception& error) {
        err << "quadrel: " << error.what() << '\n';
    }
    return ExitStopped;
}

}  // namespace quadrel

#include "gui/desktop_session.h"

#include <QPushButton>
#include <QScreen>

#include "gui/window_placement.h"

namespace quadrel {
namespace {

const QString MainWindowKey = QStringLiteral("main");
const QString PreviewKey = QStringLiteral("preview");

QRect UsableAreaOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return window.frameGeometry();
    return UsableArea(screen->geometry(), screen->availableGeometry());
}

// Moves `window` to where it stood last time, as far as the screen shows it.
bool MoveToRemembered(QWidget& window, const Remembered& memory, const QString& key) {
    const auto position = memory.Position(key);
    if (!position) return false;
    const QRect frame(*position, window.size().grownBy(FrameAllowance));
    window.move(KeptInside(frame, UsableAreaOf(window)).topLeft());
    return true;
}

}  // namespace

DesktopSession::DesktopSession(const std::filesystem::path& dataDirectory,
                               const std::filesystem::path& settingsFile)
    : Memory(settingsFile) {
    Platform.RememberFolders(Memory, dataDirectory);
    MoveToRemembered(MainWindow, Memory, MainWindowKey);
    App.MGridInfo.DataDirectory = dataDirectory;
    App.MGridInfo.WorkingDirectory = dataDirectory;
    App.TitleBlockForm.DataDirectory = dataDirectory;
    Platform.SetMainWindow(&MainWindow);
    Platform.RegisterDialog(App.TitleBlockForm, TitleDialog);
    Platform.RegisterDialog(App.FormWriteGridTitleFiles, WriteFiles);
    Platform.RegisterDialog(App.FormReallyDeleteSet, ReallyDelete);
    QObject::connect(&MainWindow.PreviewButton(), &QPushButton::clicked, &MainWindow,
                     [this] { ShowPreview(); });
}

DesktopSession::~DesktopSession() {
    if (MainWindow.testAttribute(Qt::WA_WState_Created)) {
        Memory.SetPosition(MainWindowKey, MainWindow.pos());
    }
    if (Preview && Preview->testAttribute(Qt::WA_WState_Created)) {
        Memory.SetPosition(PreviewKey, Preview->pos());
    }
}

SheetPreviewWindow& DesktopSession::ShowPreview() {
    if (!Preview) {
        Preview = std::make_unique<SheetPreviewWindow>(App.MGridInfo, App.TitleBlockForm);
        // Beside the form, never on top of it.
        if (!MoveToRemembered(*Preview, Memory, PreviewKey)) {
            const QRect frame =
                Beside(MainWindow.frameGeometry(), Preview->size().grownBy(FrameAllowance),
                       UsableAreaOf(MainWindow));
            Preview->setGeometry(frame.marginsRemoved(FrameAllowance));
        }
    }
    Preview->show();
    Preview->raise();
    Preview->activateWindow();
    return *Preview;
}

void DesktopSession::OpenGridFile(const std::filesystem::path& path) {
    Platform.AnswerNextOpenDialog(path);
    MainWindow.Binder().Act(QStringLiteral("Opening the grid data file"),
                            [this] { App.MGridInfo.ButtonGetFileName.Click(); });
}

void DesktopSession::OpenTitleFile(const std::filesystem::path& path) {
    Platform.AnswerNextOpenDialog(path);
    MainWindow.Binder().Act(QStringLiteral("Opening the title block data file"),
                            [this] { App.MGridInfo.ButtonGetTitleData.Click(); });
}

}  // namespace quadrel

#include "gui/desktop_session.h"

#include <QPushButton>

namespace quadrel {

DesktopSession::DesktopSession(const std::filesystem::path& dataDirectory) {
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

SheetPreviewWindow& DesktopSession::ShowPreview() {
    if (!Preview) Preview = std::make_unique<SheetPreviewWindow>(App.MGridInfo, App.TitleBlockForm);
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

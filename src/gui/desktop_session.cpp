#include "gui/desktop_session.h"

namespace quadrel {

DesktopSession::DesktopSession(const std::filesystem::path& dataDirectory) {
    App.MGridInfo.DataDirectory = dataDirectory;
    App.MGridInfo.WorkingDirectory = dataDirectory;
    App.TitleBlockForm.DataDirectory = dataDirectory;
    Platform.SetMainWindow(&MainWindow);
    Platform.RegisterDialog(App.TitleBlockForm, TitleDialog);
    Platform.RegisterDialog(App.FormWriteGridTitleFiles, WriteFiles);
    Platform.RegisterDialog(App.FormReallyDeleteSet, ReallyDelete);
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

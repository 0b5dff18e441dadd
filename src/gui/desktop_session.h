// The desktop program: the platform, the four forms created in order, and
// one view for each, alive together from start-up to the end.
#pragma once

#include <filesystem>
#include <memory>

#include "forms/application.h"
#include "gui/mgrid_window.h"
#include "gui/qt_platform.h"
#include "gui/really_delete_set_dialog.h"
#include "gui/remembered.h"
#include "gui/sheet_preview_window.h"
#include "gui/title_block_dialog.h"
#include "gui/write_files_dialog.h"

namespace quadrel {

class DesktopSession {
public:
    // The open and save dialogs start in `dataDirectory` and the sample
    // files go there: the working directory at start-up. What is remembered
    // between runs is kept in `settingsFile`, or in the user's settings.
    explicit DesktopSession(const std::filesystem::path& dataDirectory,
                            const std::filesystem::path& settingsFile = {});
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Opens a data file as its open button would, without the dialog. The
    // title file's reader then shows the title block dialog.
    void OpenGridFile(const std::filesystem::path& path);
    void OpenTitleFile(const std::filesystem::path& path);

    // Opens the sheet preview (made on first use) and brings it forward.
    SheetPreviewWindow& ShowPreview();

    // Declared in the order they are created; views go before their forms.
    Remembered Memory;
    QtPlatform Platform;
    QuadrelApplication App{Platform};
    MGridWindow MainWindow{App.MGridInfo, Platform};
    TitleBlockDialog TitleDialog{App.TitleBlockForm, Platform, &MainWindow};
    WriteFilesDialog WriteFiles{App.FormWriteGridTitleFiles, Platform, &MainWindow};
    ReallyDeleteSetDialog ReallyDelete{App.FormReallyDeleteSet, Platform, &MainWindow};
    // Its own window, not a child: it may stand beside the main window.
    std::unique_ptr<SheetPreviewWindow> Preview;
};

}  // namespace quadrel

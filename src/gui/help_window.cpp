#include "gui/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The page is compiled into a static library, whose resources the linker
// keeps only when they are asked for by name.
static void LoadHelpResource() {
#ifdef QUADREL_HELP_RESOURCE
    Q_INIT_RESOURCE(help);
#endif
}

namespace quadrel {
namespace {

const char* const HelpPage = ":/help/quadrel_help.html";

}  // namespace

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
    LoadHelpResource();
    setWindowTitle(QStringLiteral("Quadrel Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    resize(760, 640);
}

void HelpWindow::ShowContents() {
    if (QFile::exists(QString::fromLatin1(HelpPage))) {
        browser_->setSource(QUrl(QStringLiteral("qrc") + QString::fromLatin1(HelpPage)));
    } else {
        browser_->setPlainText(QStringLiteral("The help page is missing from this build."));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace quadrel

#include "gui/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The page is compiled into a static library, whose resources the linker
// keeps only when they are asked for by name.
static void LoadHelpResource() {
    Q_INIT_RESOURCE(help);
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
    browser_->setSource(QUrl(QStringLiteral("qrc") + QString::fromLatin1(HelpPage)));
    show();
    raise();
    activateWindow();
}

}  // namespace quadrel

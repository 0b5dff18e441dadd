// Quadrel's own help: a page compiled into the program.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace quadrel {

class HelpWindow : public QWidget {
public:
    HelpWindow();
    // Shows the page from its start and brings the window forward.
    void ShowContents();
    QTextBrowser& Browser() { return *browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace quadrel

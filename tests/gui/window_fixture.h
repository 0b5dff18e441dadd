// The desktop program in a test: the real windows, driven as a person
// drives them, with the modal dialogs answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "gui/desktop_session.h"
#include "support/temp_dir.h"

namespace quadrel::testing {

class WindowFixture : public ::testing::Test {
protected:
    WindowFixture();
    ~WindowFixture() override;

    template <typename W = QWidget>
    W& Widget(const char* name) {
        W* found = session->MainWindow.findChild<W*>(QString::fromLatin1(name));
        if (found == nullptr) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if ((found = top->findChild<W*>(QString::fromLatin1(name))) != nullptr) break;
            }
        }
        if (found == nullptr) throw std::runtime_error(std::string("no widget ") + name);
        return *found;
    }

    // Types into an edit key by key, as a person would: over its whole text,
    // or after it.
    void TypeInto(const char* edit, const QString& keys, bool replace = true);
    void Click(const char* button);
    // Whether Determine Limits and Create output can be pressed.
    std::pair<bool, bool> Actions() {
        return {Widget("DetermineLimitsButton").isEnabled(),
                Widget("BitBtnCreateOutput").isEnabled()};
    }

    // Queues what a person does with the next modal window (a file dialog, a
    // question, a form's dialog); each answer takes the next one that opens.
    void WhenModal(std::function<void(QWidget&)> answer);
    // Answers for the common modal windows.
    static std::function<void(QWidget&)> ChooseFile(const std::filesystem::path& path);
    static std::function<void(QWidget&)> PressButton(const char* text);
    // Every message box opened while no answer is queued is closed, its text
    // kept here.
    std::vector<QString> unansweredBoxes;

    TempDir dir;
    // What the session remembers between runs: the test's own.
    TempDir settingsDir;
    std::filesystem::path Settings() const { return settingsDir / "quadrel.ini"; }
    std::unique_ptr<DesktopSession> session;

private:
    void AnswerModals();
    std::deque<std::function<void(QWidget&)>> answers_;
    // The modal window whose answer is under way.
    QPointer<QWidget> answering_;
    QTimer* poll_ = nullptr;
};

}  // namespace quadrel::testing

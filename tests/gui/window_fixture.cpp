#include "gui/window_fixture.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace quadrel::testing {

WindowFixture::WindowFixture() : session(std::make_unique<DesktopSession>(dir.Path())) {
    session->MainWindow.show();
    poll_ = new QTimer(&session->MainWindow);
    QObject::connect(poll_, &QTimer::timeout, [this] { AnswerModals(); });
    poll_->start(5);
}

WindowFixture::~WindowFixture() {
    poll_->stop();
    session.reset();
}

void WindowFixture::TypeInto(const char* edit, const QString& keys, bool replace) {
    auto& widget = Widget<QLineEdit>(edit);
    widget.setFocus();
    // Typing over the selected text, as a person replaces a value.
    if (replace) widget.selectAll();
    QTest::keyClicks(&widget, keys);
}

void WindowFixture::Click(const char* button) {
    QTest::mouseClick(&Widget<QAbstractButton>(button), Qt::LeftButton);
}

void WindowFixture::WhenModal(std::function<void(QWidget&)> answer) {
    answers_.push_back(std::move(answer));
}

std::function<void(QWidget&)> WindowFixture::ChooseFile(const std::filesystem::path& path) {
    return [path](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "expected a file dialog, got " << modal.windowTitle().toStdString();
            modal.close();
            return;
        }
        // Typed into the name field as a person would: the whole path.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(path.string()));
        static_cast<QDialog*>(dialog)->accept();
    };
}

std::function<void(QWidget&)> WindowFixture::PressButton(const char* text) {
    const QString wanted = QString::fromLatin1(text);
    return [wanted](QWidget& modal) {
        for (auto* button : modal.findChildren<QAbstractButton*>()) {
            if (button->text().remove(u'&') == wanted) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << wanted.toStdString() << " in "
                      << modal.windowTitle().toStdString();
    };
}

void WindowFixture::AnswerModals() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal == answering_) return;
    if (answers_.empty()) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            unansweredBoxes.push_back(box->text());
            box->done(QMessageBox::Cancel);
        } else {
            // Left open, it would hold the test until CTest's time-out.
            ADD_FAILURE() << "a modal window nobody expected: '"
                          << modal->windowTitle().toStdString() << "'";
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            else modal->close();
        }
        return;
    }
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    answering_ = modal;
    // Answered from the event loop, not from this timer, so that a modal
    // window the answer opens is answered in its turn.
    QTimer::singleShot(0, modal, [this, modal, answer] {
        answer(*modal);
        if (answering_ == modal) answering_ = nullptr;
    });
}

}  // namespace quadrel::testing

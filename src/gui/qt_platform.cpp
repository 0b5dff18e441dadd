#include "gui/qt_platform.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QThread>

#include "base/source_date.h"
#include "forms/form.h"
#include "gui/help_window.h"
#include "gui/qt_text.h"
#include "gui/remembered.h"

namespace quadrel {

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
    if (helpWindow_) delete helpWindow_.data();
}

void QtPlatform::RegisterDialog(Form& form, QDialog& dialog) {
    dialogs_[&form] = &dialog;
}

bool QtPlatform::RouteErrorsWhileTyping(const std::function<void()>& typing,
                                        const std::function<void(const QString&)>& report) {
    // Typing can open a modal dialog (none does today) whose own errors must
    // still reach a box: route only this one keystroke.
    auto outerReport = std::exchange(typingReport_, report);
    const bool outerReported = std::exchange(typingErrorReported_, false);
    struct Restore {
        QtPlatform& platform;
        std::function<void(const QString&)> report;
        bool reported;
        ~Restore() {
            platform.typingReport_ = std::move(report);
            platform.typingErrorReported_ = reported;
        }
    };
    bool reported = false;
    {
        Restore restore{*this, std::move(outerReport), outerReported};
        typing();
        reported = typingErrorReported_;
    }
    return reported;
}

void QtPlatform::Beep() {
    QApplication::beep();
}

std::optional<std::filesystem::path> QtPlatform::RunFileDialog(const FileDialogOptions& options,
                                                               bool save) {
    const QString kind = save ? QStringLiteral("save") : QStringLiteral("open");
    // The forms start where they know better (a file's own folder); where
    // they name only the working folder, the last one chosen stands in.
    std::filesystem::path start = options.InitialDirectory;
    if (remembered_ != nullptr && start == fallbackDirectory_) {
        start = remembered_->Folder(kind).value_or(start);
    }
    QFileDialog dialog(mainWindow_, ToQString(options.Title), ToQString(start.u8string()));
    // Qt's own dialog: the same on every desktop, and one a test can answer.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // "*.dat" lists "X.DAT" and "QDLGrid.SAM" too, as on the system the
    // data files come from.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    const QString fileName = ToQString(options.FileName);
    QStringList filters;
    for (const std::string& filter : options.Filters) filters.append(ToQString(filter));
    if (filters.isEmpty() && fileName.contains(u'*')) {
        filters = QStringList{fileName, QStringLiteral("*")};
    }
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!fileName.isEmpty() && !fileName.contains(u'*')) dialog.selectFile(fileName);
    dialog.setDefaultSuffix(ToQString(options.DefaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const std::filesystem::path chosen = ToPath(dialog.selectedFiles().front());
    if (remembered_ != nullptr) remembered_->SetFolder(kind, chosen.parent_path());
    return chosen;
}

std::optional<std::filesystem::path> QtPlatform::OpenFileDialog(const FileDialogOptions& options) {
    if (!openAnswers_.empty()) {
        auto path = std::move(openAnswers_.front());
        openAnswers_.pop_front();
        return path;
    }
    return RunFileDialog(options, false);
}

std::optional<std::filesystem::path> QtPlatform::SaveFileDialog(const FileDialogOptions& options) {
    return RunFileDialog(options, true);
}

int QtPlatform::ShowModal(Form& form) {
    const auto found = dialogs_.find(&form);
    if (found == dialogs_.end() || !found->second) return ModalResultCancel;
    QDialog& dialog = *found->second;
    form.ModalResult = 0;
    int result = 0;
    if (ModalOverride) {
        dialog.show();
        result = ModalOverride(form, dialog);
        dialog.hide();
    } else {
        dialog.exec();
        result = form.ModalResult;
    }
    // The close box and Escape close a dialog without a result: cancel.
    if (result == 0) result = ModalResultCancel;
    form.ModalResult = result;
    return result;
}

bool QtPlatform::AskOkCancel(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, ToQString(caption), ToQString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, mainWindow_);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void QtPlatform::ReportError(const std::string& text) {
    if (typingReport_) {
        typingErrorReported_ = true;
        typingReport_(ToQString(text));
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), ToQString(text),
                    QMessageBox::Ok, mainWindow_);
    box.exec();
}

void QtPlatform::ShowHelp(const std::string& /*helpFile*/, int /*command*/, int /*data*/) {
    // The old help file is not shipped with any system: Quadrel's own page
    // stands in for its contents.
    if (!helpWindow_) helpWindow_ = new HelpWindow();
    helpWindow_->ShowContents();
}

std::string QtPlatform::ShortDate() {
    if (auto day = SourceDateEpochDay()) return *day;
    return ToStdString(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

char QtPlatform::DecimalSeparator() const {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.front().unicode() < 0x80) return point.front().toLatin1();
    return '.';
}

void QtPlatform::Exit(int status) {
    exitStatus_ = status;
    // Ends the running event loops, the program's with them; outside any
    // loop there is nothing to end, and telling Qt anyway would end the
    // next loop before it starts.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(status);
}

}  // namespace quadrel

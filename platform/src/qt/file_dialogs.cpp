// Open, choose-folder and save dialogs on the toolkit's own file dialog, the ask-to-save question on a
// message box, and the prepared answers that stand in for the user in tests and runs without a display.
#include "platform/file_dialogs.h"

#include "platform/application.h"
#include "window_host.h"
#include "window_record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>

#include <deque>
#include <unordered_set>

struct FileDialogRecord {
    FileDialogOptions options;
    FileDialogCallbacks callbacks;
    QPointer<QDialog> widget;
    FileDialogAnswer answer;
    bool answered = false;
    bool showing = false;
};

namespace {

std::unordered_set<FileDialogRef> gLiveFileDialogs;
std::deque<FileDialogAnswer> gPreparedAnswers;
int gFileDialogsRun = 0;
FileDialogOptions gLastFileDialogOptions;

bool IsLive(FileDialogRef dialog) {
    return dialog && gLiveFileDialogs.count(dialog);
}

QString FromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
std::string ToUtf8(const QString& s) {
    return s.toUtf8().toStdString();
}

// The widget goes without telling anyone: its signals no longer reach the record.
void CloseWidget(FileDialogRef dialog) {
    if (!dialog->widget) return;
    QDialog* widget = dialog->widget;
    dialog->widget = nullptr;
    widget->disconnect();
    widget->hide();
    widget->deleteLater();
}

// The dialog has ended: the terminate callback, which may dispose the record.
void EndDialog(FileDialogRef dialog) {
    if (!IsLive(dialog) || !dialog->showing) return;
    dialog->showing = false;
    CloseWidget(dialog);
    const auto terminated = dialog->callbacks.terminated;
    if (terminated) terminated(dialog);
}

// The user acted: the answer becomes the reply, the user-action callback sees it, and the dialog ends.
void FinishDialog(FileDialogRef dialog, const FileDialogAnswer& answer) {
    if (!IsLive(dialog) || !dialog->showing) return;
    dialog->answer = answer;
    dialog->answered = true;
    CloseWidget(dialog);
    const auto userAction = dialog->callbacks.userAction;
    if (userAction && answer.action != kFileDialogNoAction) userAction(dialog, answer);
    EndDialog(dialog);
}

QWidget* ParentWidget(const FileDialogOptions& options) {
    if (!options.parent || options.parent->disposed || !options.parent->host) return nullptr;
    return options.parent->host;
}

QString FilterLine(const std::string& label, const std::vector<std::string>& patterns) {
    QStringList list;
    for (const std::string& pattern : patterns)
        list << FromUtf8(pattern);
    if (list.isEmpty()) list << QStringLiteral("*");
    return FromUtf8(label) + QStringLiteral(" (") + list.join(QLatin1Char(' ')) + QLatin1Char(')');
}

// Hides the companions of listed files: "Talk.txt.rsrc" goes when "Talk.txt" lies beside it.
class HideCompanions : public QSortFilterProxyModel {
  public:
    HideCompanions(const std::string& ending, QObject* parent)
        : QSortFilterProxyModel(parent), ending_(ending) {}

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QModelIndex index = sourceModel()->index(row, 0, parent);
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        return !files || !IsCompanionFile(ToUtf8(files->filePath(index)), ending_);
    }

  private:
    std::string ending_;
};

FileDialogAnswer AnswerFromFileDialog(FileDialogRef dialog, QFileDialog* widget, int result) {
    FileDialogAnswer answer;
    if (result != QDialog::Accepted) {
        answer.action = kFileDialogCancel;
        return answer;
    }
    const QStringList chosen = widget->selectedFiles();
    switch (dialog->options.kind) {
    case FileDialogKind::Open:
    case FileDialogKind::ChooseFolder:
        answer.action = dialog->options.kind == FileDialogKind::Open ? kFileDialogOpen : kFileDialogChoose;
        for (const QString& file : chosen)
            answer.files.push_back(ToUtf8(QFileInfo(file).absoluteFilePath()));
        break;
    case FileDialogKind::Save:
    case FileDialogKind::ConfirmSave: {
        answer.action = kFileDialogSaveAs;
        if (chosen.isEmpty()) {
            answer.action = kFileDialogCancel;
            break;
        }
        const QFileInfo info(chosen.first());
        answer.folder = ToUtf8(info.absolutePath());
        if (answer.folder.empty() || answer.folder.back() != '/') answer.folder += '/';
        answer.name = ToUtf8(info.fileName());
        // The dialog itself asked before accepting an existing name.
        answer.replacing = info.exists();
        const int format = widget->nameFilters().indexOf(widget->selectedNameFilter());
        answer.format = SInt16(format < 0 || dialog->options.formats.empty() ? 0 : format);
        break;
    }
    }
    return answer;
}

QDialog* MakeFileWidget(FileDialogRef dialog) {
    const FileDialogOptions& options = dialog->options;
    auto* widget = new QFileDialog(ParentWidget(options), FromUtf8(options.title), FromUtf8(options.folder));
    // The toolkit's own dialog: the same everywhere, and it can be a sheet on our windows.
    widget->setOption(QFileDialog::DontUseNativeDialog, true);
    if (!options.message.empty()) widget->setWindowTitle(FromUtf8(options.message));
    if (!options.companionEnding.empty())
        widget->setProxyModel(new HideCompanions(options.companionEnding, widget));
    QStringList filters;
    switch (options.kind) {
    case FileDialogKind::Open:
        widget->setFileMode(QFileDialog::ExistingFiles);
        widget->setAcceptMode(QFileDialog::AcceptOpen);
        for (const FileDialogFilter& filter : options.filters)
            filters << FilterLine(filter.label, filter.patterns);
        filters << QStringLiteral("All files (*)");
        widget->setNameFilters(filters);
        break;
    case FileDialogKind::ChooseFolder:
        widget->setFileMode(QFileDialog::Directory);
        widget->setOption(QFileDialog::ShowDirsOnly, true);
        break;
    case FileDialogKind::Save:
    case FileDialogKind::ConfirmSave:
        widget->setFileMode(QFileDialog::AnyFile);
        widget->setAcceptMode(QFileDialog::AcceptSave);
        for (const std::string& format : options.formats)
            filters << FilterLine(format, {"*"});
        if (options.formats.empty() && !options.filters.empty()) {
            for (const FileDialogFilter& filter : options.filters)
                filters << FilterLine(filter.label, filter.patterns);
            filters << QStringLiteral("All files (*)");
        }
        if (!filters.isEmpty()) widget->setNameFilters(filters);
        widget->selectFile(FromUtf8(options.defaultName));
        QObject::connect(widget, &QFileDialog::filterSelected, [dialog, widget](const QString& filter) {
            if (!IsLive(dialog) || !dialog->callbacks.formatChosen || dialog->options.formats.empty()) return;
            const int item = widget->nameFilters().indexOf(filter);
            if (item >= 0) dialog->callbacks.formatChosen(dialog, SInt16(item));
        });
        break;
    }
    QObject::connect(widget, &QDialog::finished, [dialog, widget](int result) {
        if (IsLive(dialog)) FinishDialog(dialog, AnswerFromFileDialog(dialog, widget, result));
    });
    return widget;
}

QDialog* MakeConfirmWidget(FileDialogRef dialog) {
    const FileDialogOptions& options = dialog->options;
    const QString name = options.message.empty() ? QStringLiteral("untitled") : FromUtf8(options.message);
    const QString text =
        QStringLiteral("Do you want to save the changes to \u201C%1\u201D before %2?")
            .arg(name, options.quitting ? QStringLiteral("quitting") : QStringLiteral("closing"));
    auto* box = new QMessageBox(QMessageBox::Warning, FromUtf8(options.title), text,
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                ParentWidget(options));
    box->setInformativeText(QStringLiteral("Your changes will be lost if you don\u2019t save them."));
    box->button(QMessageBox::Discard)->setText(QStringLiteral("Don\u2019t Save"));
    box->setDefaultButton(QMessageBox::Save);
    QObject::connect(box, &QDialog::finished, [dialog, box](int) {
        if (!IsLive(dialog)) return;
        FileDialogAnswer answer;
        const QMessageBox::StandardButton button = box->standardButton(box->clickedButton());
        answer.action = button == QMessageBox::Save      ? kFileDialogSaveChanges
                        : button == QMessageBox::Discard ? kFileDialogDontSaveChanges
                                                         : kFileDialogCancel;
        FinishDialog(dialog, answer);
    });
    return box;
}

// The user picks the answer's format item (when it is not the first) and then acts.
void ActAsUser(FileDialogRef dialog, const FileDialogAnswer& answer) {
    if (!IsLive(dialog) || !dialog->showing) return;
    const auto formatChosen = dialog->callbacks.formatChosen;
    if (answer.format > 0 && !dialog->options.formats.empty() && formatChosen)
        formatChosen(dialog, answer.format);
    FinishDialog(dialog, answer);
}

// A prepared answer acts as the user would at once: later, from the loop, for a sheet.
void DeliverPrepared(FileDialogRef dialog, const FileDialogAnswer& answer) {
    if (answer.action == kFileDialogNoAction) return;
    if (dialog->options.applicationModal || !QCoreApplication::instance()) {
        ActAsUser(dialog, answer);
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [dialog, answer] { ActAsUser(dialog, answer); }, Qt::QueuedConnection);
}

} // namespace

FileDialogRef CreateFileDialog(const FileDialogOptions& options, FileDialogCallbacks callbacks) {
    auto* dialog = new FileDialogRecord;
    dialog->options = options;
    // Without a window to hang on, a sheet is application-modal.
    if (!dialog->options.parent) dialog->options.applicationModal = true;
    dialog->callbacks = std::move(callbacks);
    gLiveFileDialogs.insert(dialog);
    return dialog;
}

OSStatus RunFileDialog(FileDialogRef dialog) {
    if (!IsLive(dialog) || dialog->showing) return paramErr;
    ++gFileDialogsRun;
    gLastFileDialogOptions = dialog->options;
    dialog->showing = true;
    dialog->answered = false;
    if (!gPreparedAnswers.empty() || !IsPlatformStarted() || IsPlatformHeadless()) {
        FileDialogAnswer answer;
        answer.action = kFileDialogCancel;
        if (!gPreparedAnswers.empty()) {
            answer = gPreparedAnswers.front();
            gPreparedAnswers.pop_front();
        }
        DeliverPrepared(dialog, answer);
        return noErr;
    }
    QDialog* widget = dialog->options.kind == FileDialogKind::ConfirmSave ? MakeConfirmWidget(dialog)
                                                                          : MakeFileWidget(dialog);
    dialog->widget = widget;
    if (dialog->options.applicationModal) {
        widget->setWindowModality(Qt::ApplicationModal);
        // Timers keep firing in the dialog's own loop; the callbacks have run when it returns.
        widget->exec();
    } else {
        widget->setWindowModality(Qt::WindowModal);
        widget->open();
    }
    return noErr;
}

void SelectFileDialog(FileDialogRef dialog) {
    if (!IsLive(dialog) || !dialog->widget) return;
    dialog->widget->show();
    dialog->widget->raise();
    dialog->widget->activateWindow();
}

void TerminateFileDialog(FileDialogRef dialog) {
    EndDialog(dialog);
}

void DisposeFileDialog(FileDialogRef dialog) {
    if (!IsLive(dialog)) return;
    CloseWidget(dialog);
    gLiveFileDialogs.erase(dialog);
    delete dialog;
}

const FileDialogAnswer* GetFileDialogAnswer(FileDialogRef dialog) {
    return IsLive(dialog) && dialog->answered ? &dialog->answer : nullptr;
}

bool IsFileDialogShowing(FileDialogRef dialog) {
    return IsLive(dialog) && dialog->showing;
}

bool IsCompanionFile(const std::string& path, const std::string& ending) {
    const QFileInfo info(FromUtf8(path));
    const QString name = info.fileName();
    const QString tail = FromUtf8(ending);
    if (tail.isEmpty() || name.size() <= tail.size() || !name.endsWith(tail, Qt::CaseInsensitive) ||
        info.isDir())
        return false;
    const QFileInfo owner(info.dir().filePath(name.left(name.size() - tail.size())));
    return owner.exists() && !owner.isDir();
}

void AnswerNextFileDialog(const FileDialogAnswer& answer) {
    gPreparedAnswers.push_back(answer);
}
void ForgetFileDialogAnswers() {
    gPreparedAnswers.clear();
}
int CountFileDialogsRun() {
    return gFileDialogsRun;
}
const FileDialogOptions& LastFileDialogOptions() {
    return gLastFileDialogOptions;
}

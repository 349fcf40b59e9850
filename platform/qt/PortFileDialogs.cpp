// The open and save dialogs on Qt's file dialog. Qt's own dialog is used on every
// desktop, so the title, the name field, the default suffix and the overwrite
// question behave the same wherever the program runs, and tests can read back
// what the dialog shows.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"
#include "platform/qt/TextCodec.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace WindowPort {

namespace {

FileDialogAnswerer& Answerer()
{
    static FileDialogAnswerer answerer;
    return answerer;
}

// Qt reads a line's patterns from its last parentheses, separated by blanks; the
// framework's line already ends with its own patterns, separated by ";".
QString QtFilterLine(const SFileFilter& filter)
{
    const QString patterns = ToQString(filter.pattern);
    QString shown = ToQString(filter.description);
    const QString ownPart = "(" + patterns + ")";
    if (shown.endsWith(ownPart))
        shown.chop(ownPart.size());
    shown = shown.trimmed();
    return shown + " (" + QString(patterns).replace(';', ' ') + ")";
}

void SetUp(QFileDialog& dialog, const SFileDialogRequest& request)
{
    const bool save = request.kind == EFileDialogKind::kSave;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(ToQString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // File types compare without regard to case, so the patterns do too.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    QStringList lines;
    for (const SFileFilter& filter : request.filters)
        lines << QtFilterLine(filter);
    if (!lines.isEmpty()) {
        dialog.setNameFilters(lines);
        dialog.selectNameFilter(lines.value(request.selectedFilter, lines.front()));
    }
    dialog.setDefaultSuffix(ToQString(request.defaultSuffix));
    // No folder is given: the dialog starts in the current folder.
    dialog.setDirectory(QDir::currentPath());
    if (!request.proposedName.empty())
        dialog.selectFile(FromLocalPath(request.proposedName));
}

SFileDialogView ReadView(QFileDialog& dialog, const SFileDialogRequest& request)
{
    SFileDialogView view;
    view.kind = request.kind;
    view.title = dialog.windowTitle().toStdString();
    view.directory = ToLocalPath(dialog.directory().absolutePath());
    // The name field as shown: the line edit of Qt's own dialog.
    if (const auto* field = dialog.findChild<QLineEdit*>("fileNameEdit"))
        view.nameField = ToLocalPath(field->text());
    for (const QString& line : dialog.nameFilters())
        view.filters.push_back(line.toStdString());
    view.selectedFilter = static_cast<int32_t>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    view.defaultSuffix = dialog.defaultSuffix().toStdString();
    view.confirmOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
    view.fileMustExist = dialog.fileMode() == QFileDialog::ExistingFile;
    return view;
}

// The answerer stands for a person who typed into the name field and passed the
// dialog's own checks; the dialog still makes the answer, default suffix included.
bool AnswerFromAnswerer(QFileDialog& dialog, const SFileDialogRequest& request)
{
    const SFileDialogReply reply = Answerer()(ReadView(dialog, request));
    if (!reply.accept)
        return false;
    const QStringList lines = dialog.nameFilters();
    if (reply.filter >= 0 && reply.filter < lines.size())
        dialog.selectNameFilter(lines.at(reply.filter));
    const QFileInfo typed(FromLocalPath(reply.typed));
    if (typed.isAbsolute()) {
        dialog.setDirectory(typed.absolutePath());
        dialog.selectFile(typed.fileName());
    } else {
        dialog.selectFile(typed.filePath());
    }
    return true;
}

} // namespace

SFileDialogAnswer RunFileDialog(const SFileDialogRequest& request)
{
    CPortWindow* owner = CPortState::Get().FindWindow(request.owner);
    QFileDialog dialog(owner);
    SetUp(dialog, request);
    const bool accepted = Answerer() ? AnswerFromAnswerer(dialog, request) : dialog.exec() == QDialog::Accepted;
    SFileDialogAnswer answer;
    const QStringList files = dialog.selectedFiles();
    if (!accepted || files.isEmpty())
        return answer;
    answer.accepted = true;
    answer.path = ToLocalPath(files.front());
    answer.selectedFilter = static_cast<int32_t>(std::max<qsizetype>(0, dialog.nameFilters().indexOf(dialog.selectedNameFilter())));
    return answer;
}

void SetFileDialogAnswerer(FileDialogAnswerer answerer)
{
    Answerer() = std::move(answerer);
}

} // namespace WindowPort

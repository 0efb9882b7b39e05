#include "platform/QtFiles.h"

#include <QFile>
#include <QFileDialog>
#include <QSaveFile>
#include <QStringList>

namespace posmod {

void QtFileNameDialog::configure(QFileDialog& dialog, const FileNameRequest& request)
{
    const bool save = request.mode == FileNameRequest::Mode::Save;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open takes a name that does not exist: opening it fails, not the dialog.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && request.confirmOverwrite));
    if (!request.title.empty()) dialog.setWindowTitle(QString::fromStdString(request.title));
    QStringList filters;
    for (const std::string& f : request.filters) filters << QString::fromStdString(f);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    if (!request.name.empty()) dialog.selectFile(QString::fromStdString(request.name));
}

std::string QtFileNameDialog::ask(const FileNameRequest& request)
{
    QFileDialog dialog(parent_);
    configure(dialog, request);
    const bool chosen = exec ? exec(dialog) : dialog.exec() == QDialog::Accepted;
    if (!chosen) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? std::string() : QFile::encodeName(files.first()).toStdString();
}

namespace {

// The save file of path opened: its temporary file exists beside the target. false for a
// target that is not a regular file (QSaveFile follows links itself, but replaces whatever
// it finds at the end: a FIFO or a device node would become a plain file), a folder that
// cannot be written, an existing file that cannot.
bool openSaveFile(const std::string& path, QSaveFile& file)
{
    const std::optional<std::string> target = writeTarget(path);
    if (!target) return false;
    file.setFileName(QFile::decodeName(QByteArray::fromStdString(*target)));
    return file.open(QIODevice::WriteOnly);
}

} // namespace

bool QtFileWriter::canWrite(const std::string& path)
{
    QSaveFile file;
    if (!openSaveFile(path, file)) return false;
    file.cancelWriting(); // the temporary file goes with the object
    return true;
}

bool QtFileWriter::write(const std::string& path, std::string_view bytes)
{
    QSaveFile file;
    if (!openSaveFile(path, file)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace posmod

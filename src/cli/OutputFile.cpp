#include "cli/OutputFile.h"

#include "io/FileFormats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileId = std::pair<dev_t, ino_t>;

std::optional<struct stat> statusOf(const QString& path, bool followLinks = true) {
    struct stat status;
    const QByteArray name = QFile::encodeName(path);
    const int result = path == StandardOutput ? ::fstat(STDOUT_FILENO, &status)
                       : followLinks          ? ::stat(name.constData(), &status)
                                              : ::lstat(name.constData(), &status);
    if (result != 0)
        return std::nullopt;
    return status;
}

// Only a regular file can be overwritten; a terminal or a pipe may well be both read and written.
std::optional<FileId> regularFileId(const QString& path) {
    const std::optional<struct stat> status = statusOf(path);
    if (!status || !S_ISREG(status->st_mode))
        return std::nullopt;
    return FileId{status->st_dev, status->st_ino};
}

QString absolutePath(const QString& path) {
    return path == StandardOutput ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

bool isStandardOutput(const QString& output) {
    if (output == StandardOutput)
        return true;
    const std::optional<struct stat> file = statusOf(output);
    const std::optional<struct stat> standardOutput = statusOf(StandardOutput);
    return file && standardOutput && file->st_dev == standardOutput->st_dev &&
           file->st_ino == standardOutput->st_ino;
}

std::optional<QString> refusedPictureName(const QString& output) {
    if (QFileInfo(output).suffix().isEmpty() || pictureFormatOfName(output))
        return std::nullopt;
    return QStringLiteral("「%1」は画像ファイルの名前ではないので、書きませんでした。"
                          "書き出せるのは .bmp, .png, .svg, .pdf で終わる名前か、"
                          "拡張子のない名前です。")
        .arg(output);
}

DataFiles::DataFiles(QString pictureSuffix)
    : pictureEnding_(pictureSuffix.isEmpty() ? QString() : QLatin1Char('.') + pictureSuffix) {}

bool DataFiles::mayBeOverwritten(const QString& input, const QString& path) const {
    if (pictureEnding_.isEmpty() || path.endsWith(pictureEnding_, Qt::CaseInsensitive))
        return true;
    const std::optional<struct stat> status = statusOf(input, false);
    return status && (S_ISLNK(status->st_mode) || status->st_nlink > 1);
}

void DataFiles::add(const QString& input) {
    const QString path = absolutePath(input);
    if (!mayBeOverwritten(input, path))
        return;
    if (!path.isEmpty())
        byPath_.insert(path, input);
    if (const std::optional<FileId> id = regularFileId(input))
        byId_.emplace(*id, input);
}

std::optional<QString> DataFiles::overwrittenBy(const QString& output) const {
    if (byPath_.isEmpty() && byId_.empty())
        return std::nullopt; // without a look at the file: a batch asks for every picture
    if (const std::optional<FileId> id = regularFileId(output))
        if (const auto found = byId_.find(*id); found != byId_.end())
            return found->second;
    if (const auto found = byPath_.constFind(absolutePath(output)); found != byPath_.constEnd())
        return *found;
    return std::nullopt;
}

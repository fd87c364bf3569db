#include "cli/InputList.h"

#include "io/FileError.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>

InputList::InputList(QStringList arguments, std::optional<QString> listFile)
    : arguments_(std::move(arguments))
    , listFile_(std::move(listFile)) {}

bool InputList::fromStandardInput() const {
    return listFile_ == QLatin1String("-");
}

Failure InputList::unreadable(const QString& path) const {
    return {Action::LoadTable, fromStandardInput() ? StandardInputName : *listFile_,
            fileErrorReason(path, errno)};
}

Result<void> InputList::open() {
    if (!listFile_ || (!fromStandardInput() && QFileInfo(*listFile_).isFile()))
        return {};
    QFile list(*listFile_);
    if (fromStandardInput() ? !list.open(stdin, QIODevice::ReadOnly)
                            : !list.open(QIODevice::ReadOnly))
        return unreadable(*listFile_);
    copy_ = std::make_unique<QTemporaryFile>();
    if (!copy_->open())
        return unreadable(copy_->fileTemplate());
    char buffer[65536];
    for (qint64 size; (size = list.read(buffer, sizeof buffer)) != 0;) {
        if (size < 0)
            return unreadable(*listFile_);
        if (copy_->write(buffer, size) != size)
            return unreadable(copy_->fileName());
    }
    if (!copy_->flush())
        return unreadable(copy_->fileName());
    return {};
}

Result<void> InputList::forEach(const std::function<void(const QString&)>& each) const {
    for (const QString& argument : arguments_)
        each(argument);
    if (!listFile_)
        return {};
    QFile list(copy_ ? copy_->fileName() : *listFile_);
    if (!list.open(QIODevice::ReadOnly))
        return unreadable(list.fileName());
    while (!list.atEnd()) {
        QByteArray line = list.readLine();
        if (line.isEmpty() && list.error() != QFileDevice::NoError)
            return unreadable(list.fileName());
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            each(QFile::decodeName(line));
    }
    return {};
}

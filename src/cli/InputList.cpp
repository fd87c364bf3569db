#include "cli/InputList.h"

#include "io/FileError.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>

InputList::InputList(QStringList arguments, std::optional<QString> listFile, char separator)
    : arguments_(std::move(arguments))
    , listFile_(std::move(listFile))
    , separator_(separator) {}

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
    const auto name = [&](QByteArray bytes) {
        if (separator_ == '\n' && bytes.endsWith('\r'))
            bytes.chop(1);
        if (!bytes.isEmpty())
            each(QFile::decodeName(bytes));
    };
    QByteArray pending;
    char buffer[65536];
    for (qint64 size; (size = list.read(buffer, sizeof buffer)) != 0;) {
        if (size < 0)
            return unreadable(list.fileName());
        pending.append(buffer, size);
        qsizetype start = 0;
        for (qsizetype end; (end = pending.indexOf(separator_, start)) >= 0; start = end + 1)
            name(pending.mid(start, end - start));
        pending.remove(0, start);
    }
    name(pending);
    return {};
}

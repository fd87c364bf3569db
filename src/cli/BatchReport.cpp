#include "cli/BatchReport.h"

#include "cli/OutputFile.h"
#include "io/FileError.h"
#include "io/SaveFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString statusName(ChartOutcome::Status status) {
    switch (status) {
    case ChartOutcome::Status::Written:
        return QStringLiteral("written");
    case ChartOutcome::Status::Skipped:
        return QStringLiteral("skipped");
    case ChartOutcome::Status::Failed:
        return QStringLiteral("failed");
    }
    return {};
}

} // namespace

BatchReport::~BatchReport() {
    if (ownsDescriptor_)
        ::close(descriptor_);
}

Result<void> BatchReport::open(const QString& path) {
    if (path == StandardOutput) {
        name_ = StandardOutputName;
        descriptor_ = STDOUT_FILENO;
        return {};
    }
    // Written into as it goes rather than renamed into place, so that it holds what is done.
    name_ = path;
    descriptor_ =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor_ < 0)
        return Failure{Action::SaveTable, path, fileErrorReason(path, errno)};
    ownsDescriptor_ = true;
    return {};
}

Result<void> BatchReport::write(const ChartOutcome& outcome) {
    QJsonObject record{{QStringLiteral("input"), outcome.input},
                       {QStringLiteral("picture"), outcome.picture},
                       {QStringLiteral("status"), statusName(outcome.status)}};
    if (outcome.status == ChartOutcome::Status::Failed) {
        record.insert(QStringLiteral("code"), outcome.code);
        record.insert(QStringLiteral("message"), outcome.message);
    }
    return writeBytes(Action::SaveTable, name_, descriptor_,
                      QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n');
}

#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Watches one file for changes, including the replace-by-rename with which spreadsheet programs
// save (the folder is watched for the new file of that name). The changes of one save come as one
// signal, once the file has been quiet for a moment, so that it is read whole; the folder's other
// files, and a file touched but not changed, give none.
class FileWatch : public QObject {
    Q_OBJECT

public:
    explicit FileWatch(QObject* parent = nullptr);

    // Watches `path` instead of the file watched before.
    void watch(const QString& path);
    void stop();
    const QString& path() const { return path_; }

signals:
    // The file was written or replaced, and is there to be read.
    void changed(const QString& path);

private:
    void noticed();
    void settled();

    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QString path_;
    // The file as it was last seen: when it was written and renamed, and its size.
    struct Stamp {
        QDateTime modified;
        QDateTime metadataChanged;
        qint64 size = -1;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);
    Stamp seen_;
};

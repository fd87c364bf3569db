#pragma once

#include "io/FileWatch.h"

#include <QObject>
#include <QString>

class Dialogs;
class QWidget;
class TableDocument;

// Keeps the table following the file it was loaded from: when the file changes, the table is read
// again as one step of the history, at once where the boxes were not edited since, else when the
// user chooses to (読み込み直す / このままにする). A file that cannot be read then is told.
class FileFollower : public QObject {
    Q_OBJECT

public:
    // Owned by `window`, over which it asks.
    FileFollower(TableDocument& document, Dialogs& dialogs, QWidget* window);

    // Follows `path`, whose table (of the workbook's `sheet`) the document has just taken.
    void follow(const QString& path, const QString& sheet);
    void stop();
    const QString& path() const { return watch_.path(); }

signals:
    // The table was read again from its changed file.
    void reloaded();

private:
    void fileChanged(const QString& path);

    TableDocument& document_;
    Dialogs& dialogs_;
    QWidget* window_;
    FileWatch watch_;
    QString sheet_;
    int followedStep_ = 0; // the history's index where the boxes show the file
};

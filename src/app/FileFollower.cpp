#include "app/FileFollower.h"

#include "app/Dialogs.h"
#include "data/Result.h"
#include "data/TableDocument.h"
#include "io/TableFiles.h"

#include <QFileInfo>

FileFollower::FileFollower(TableDocument& document, Dialogs& dialogs, QWidget* window)
    : QObject(window)
    , document_(document)
    , dialogs_(dialogs)
    , window_(window) {
    connect(&watch_, &FileWatch::changed, this, &FileFollower::fileChanged);
}

void FileFollower::follow(const QString& path, const QString& sheet) {
    watch_.watch(path);
    sheet_ = sheet;
    followedStep_ = document_.history().index();
}

void FileFollower::stop() {
    watch_.stop();
}

void FileFollower::fileChanged(const QString& path) {
    // The load was undone: the boxes show another table, which the file's change does not touch.
    if (QFileInfo(document_.contents().file).absoluteFilePath() != path)
        return;
    if (document_.history().index() != followedStep_) {
        const Question question{
            QStringLiteral("「%1」が更新されました。読み込み直すと、読み込んだ後の入力は"
                           "元に戻すで取り戻せます。")
                .arg(path),
            QStringLiteral("ファイルの更新"),
            QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No,
            QStringLiteral("読み込み直す(&R)"),
            QStringLiteral("このままにする(&K)")};
        if (dialogs_.ask(window_, question) != QMessageBox::Yes)
            return;
    }
    // The sheet read before, by its name; the first with a table where it is gone.
    const SheetRequest sheet{sheet_, [](const QStringList&) { return qsizetype(0); }};
    Result<LoadedTable> loaded = loadTable(path, dataFormat(path, 1), sheet);
    if (!loaded && !sheet_.isEmpty())
        loaded = loadTable(path, dataFormat(path, 1), {{}, sheet.choose});
    if (!loaded) {
        dialogs_.warn(window_, failureMessage(loaded.failure()));
        return;
    }
    TableContents read = document_.contents();
    fillBoxes(read, *loaded);
    read.file = path;
    const bool changed = read != document_.contents();
    document_.replace(QStringLiteral("ファイルの読み直し"), read);
    sheet_ = loaded->sheet;
    followedStep_ = document_.history().index();
    if (changed)
        emit reloaded();
}

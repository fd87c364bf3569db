#include "io/FileError.h"

#include <QFileInfo>

#include <cerrno>

QString fileErrorReason(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクに空きがありません。");
    case ENOENT:
        return QStringLiteral("フォルダーまたはファイルがありません。");
    case ENOTDIR:
        return QStringLiteral("フォルダーでないものがパスの途中にあります。");
    case EISDIR:
        return QStringLiteral("ファイルではなくフォルダーです。");
    case EROFS:
        return QStringLiteral("読み取り専用のファイルシステムです。");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが許可されていません。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名またはパスが長すぎます。");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが起きました。");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが多すぎるか、輪になっています。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    case ENOMEM:
        return QStringLiteral("メモリーが足りません。");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("ファイルが使用中です。");
    case EPIPE:
        return QStringLiteral("パイプの読み手がいなくなりました。");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("装置がありません。");
    default:
        return QStringLiteral("予期しないエラーが起きました (エラー番号 %1)。").arg(errorNumber);
    }
}

QString fileErrorReason(const QString& path, int errorNumber) {
    return fileErrorReason(QFileInfo(path).isDir() ? EISDIR : errorNumber);
}

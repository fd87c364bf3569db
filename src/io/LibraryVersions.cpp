#include "io/LibraryVersions.h"

#include <fontconfig/fontconfig.h>
#include <zip.h>
#include <zlib.h>

QStringList libraryVersions() {
    // Fontconfig tells its version as one number, 21400 for 2.14.0.
    const int fontconfig = FcGetVersion();
    return {
        QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())),
        QStringLiteral("libzip %1").arg(QString::fromLatin1(zip_libzip_version())),
        QStringLiteral("zlib %1").arg(QString::fromLatin1(zlibVersion())),
        QStringLiteral("Fontconfig %1.%2.%3")
            .arg(fontconfig / 10000)
            .arg(fontconfig / 100 % 100)
            .arg(fontconfig % 100),
    };
}

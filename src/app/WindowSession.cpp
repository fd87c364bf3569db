#include "app/WindowSession.h"

#include <QApplication>
#include <QLibraryInfo>

QtJapanese::QtJapanese() {
    if (load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(this);
}

WindowSession::WindowSession(const QString& dataFile)
    : recovery_(form1_, dialogs_, RecoveryStore::defaultFolder()) {
    recovery_.start(); // before anything else, a leftover of a crash is offered back
    QObject::connect(&form1_, &Form1::quitRequested, qApp, &QApplication::quit);
    form1_.show();
    if (!dataFile.isEmpty())
        form1_.openDataFile(dataFile);
}

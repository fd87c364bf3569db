#include "app/WindowSession.h"

#include <QApplication>
#include <QBuffer>
#include <QImageReader>
#include <QLibraryInfo>
#include <QThreadPool>

ImagePluginsAside::ImagePluginsAside() {
    // The application waits for its global pool before it ends.
    QThreadPool::globalInstance()->start([] {
        QBuffer nothing; // no format and no name: every plugin is asked whether it reads it
        nothing.open(QIODevice::ReadOnly);
        QImageReader(&nothing).canRead();
    });
}

QtJapanese::QtJapanese() {
    if (load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(this);
}

WindowSession::WindowSession(const QString& dataFile)
    : recovery_(window_, dialogs_, RecoveryStore::defaultFolder()) {
    recovery_.start(); // before anything else, a leftover of a crash is offered back
    QObject::connect(&window_, &EntryWindow::quitRequested, qApp, &QApplication::quit);
    window_.show();
    if (!dataFile.isEmpty())
        recovery_.openNamedFile(dataFile);
}

#include "app/Form1.h"
#include "app/QtDialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    // The standard dialogs and buttons speak Japanese whatever the user's locale.
    QTranslator qtJapanese;
    if (qtJapanese.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    QtDialogs dialogs;
    Form1 form1(dialogs);
    QObject::connect(&form1, &Form1::quitRequested, &app, &QApplication::quit);
    form1.show();
    return app.exec();
}

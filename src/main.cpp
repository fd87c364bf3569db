#include "app/Form1.h"
#include "app/QtDialogs.h"
#include "app/RecoveryKeeper.h"
#include "cli/CommandLine.h"
#include "cli/RenderCommand.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    const CommandLine commandLine = parseCommandLine(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    QApplication app(argc, argv);

    // The standard dialogs and buttons speak Japanese whatever the user's locale.
    QTranslator qtJapanese;
    if (qtJapanese.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    if (commandLine.render)
        return runRender(*commandLine.render);

    QtDialogs dialogs;
    Form1 form1(dialogs);
    RecoveryKeeper recovery(form1, dialogs, RecoveryStore::defaultFolder());
    recovery.start(); // before anything else, a leftover of a crash is offered back
    QObject::connect(&form1, &Form1::quitRequested, &app, &QApplication::quit);
    form1.show();
    if (!commandLine.dataFile.isEmpty())
        form1.openDataFile(commandLine.dataFile);
    return app.exec();
}

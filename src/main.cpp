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
    if (const auto* answer = std::get_if<Answer>(&commandLine))
        return printAnswer(*answer);
    QApplication app(argc, argv);

    // The standard dialogs and buttons speak Japanese whatever the user's locale.
    QTranslator qtJapanese;
    if (qtJapanese.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    if (const auto* render = std::get_if<RenderRequest>(&commandLine))
        return runRender(*render);

    QtDialogs dialogs;
    Form1 form1(dialogs);
    RecoveryKeeper recovery(form1, dialogs, RecoveryStore::defaultFolder());
    recovery.start(); // before anything else, a leftover of a crash is offered back
    QObject::connect(&form1, &Form1::quitRequested, &app, &QApplication::quit);
    form1.show();
    if (const QString& dataFile = std::get<OpenWindow>(commandLine).dataFile; !dataFile.isEmpty())
        form1.openDataFile(dataFile);
    return app.exec();
}

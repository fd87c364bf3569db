#include "app/WindowSession.h"
#include "cli/CommandLine.h"
#include "cli/RenderCommand.h"
#include "graph/FontconfigAside.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const CommandLine commandLine = parseCommandLine(argc, argv);
    if (const auto* answer = std::get_if<Answer>(&commandLine))
        return printAnswer(*answer);
    FontconfigAside fontconfig;
    QApplication app(argc, argv);
    fontconfig.wait();
    if (const auto* render = std::get_if<RenderRequest>(&commandLine))
        return runRender(*render);
    const WindowSession session(std::get<OpenWindow>(commandLine).dataFile);
    return app.exec();
}

// Start-up to a window on screen, for comparing the program with a bare Qt window that has as
// many line edits: `tallyfold_startup entry` starts as the program does without a command,
// `tallyfold_startup bare` shows the bare window. The process ends as soon as the window is
// exposed and painted, and prints its peak memory in kilobytes.
#include "app/WindowSession.h"
#include "graph/FontconfigAside.h"

#include <QApplication>
#include <QLineEdit>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/resource.h>

namespace {

void waitUntilPainted(QWidget& window) {
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents(); // the first paint
}

} // namespace

int main(int argc, char* argv[]) {
    const bool entry = argc > 1 && std::strcmp(argv[1], "entry") == 0;
    std::optional<FontconfigAside> fontconfig; // as the program starts; the bare window does not
    if (entry)
        fontconfig.emplace();
    QApplication app(argc, argv);
    if (fontconfig)
        fontconfig->wait();
    if (entry) {
        WindowSession session{QString()};
        waitUntilPainted(session.window());
    } else {
        QWidget window;
        window.resize(714, 536);
        for (int i = 0; i < 147; ++i)
            (new QLineEdit(&window))->setGeometry(8 + 48 * (i % 14), 8 + 24 * (i / 14), 45, 18);
        window.show();
        waitUntilPainted(window);
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}

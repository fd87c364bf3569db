// Start-up to a window on screen, for comparing the entry window with a bare Qt window that has
// as many line edits: `tallyfold_startup entry` or `tallyfold_startup bare`. The process ends as
// soon as the window is exposed and prints its peak memory in kilobytes.
#include "app/Form1.h"
#include "app/QtDialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool entry = argc > 1 && std::strcmp(argv[1], "entry") == 0;

    QtDialogs dialogs;
    std::unique_ptr<QWidget> window;
    if (entry) {
        window = std::make_unique<Form1>(dialogs);
    } else {
        window = std::make_unique<QWidget>();
        window->resize(714, 536);
        for (int i = 0; i < 147; ++i)
            (new QLineEdit(window.get()))
                ->setGeometry(8 + 48 * (i % 14), 8 + 24 * (i / 14), 45, 18);
    }
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents(); // the first paint

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}

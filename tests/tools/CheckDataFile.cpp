// Exits 0 when the file given loads completely as a data file, 1 otherwise; for the end-to-end
// tests, which check files the program wrote.
#include "io/TableFiles.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const Result<LoadedTable> loaded = loadTable(QString::fromLocal8Bit(argv[1]), DataFormat::Text);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", qPrintable(failureMessage(loaded.failure())));
        return 1;
    }
    return 0;
}

// Exits 0 when the file given loads completely as a data file, 1 otherwise; for the end-to-end
// tests, which check files the program wrote.
#include "data/DataTable.h"
#include "io/DataFile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    DataTable table;
    const LoadOutcome outcome = loadDataFile(QString::fromLocal8Bit(argv[1]), table);
    if (!outcome.complete()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(loadMessage(QString::fromLocal8Bit(argv[1]), outcome)));
        return 1;
    }
    return 0;
}

// Feeds arbitrary text to the reader of HTML tables from the clipboard: it must neither crash nor
// give a table of another shape than it says.
#include "io/TableClipboard.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Laying out HTML needs fonts, and so an application.
    static int argc = 1;
    static char name[] = "fuzz_html";
    static char* argv[] = {name, nullptr};
    static const bool platform = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    (void)platform;
    const std::optional<TextGrid> table = firstHtmlTable(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (table)
        for (const std::vector<QString>& row : *table)
            if (row.size() != table->front().size())
                std::abort();
    return 0;
}

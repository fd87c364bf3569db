#include "io/XmlParts.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <QByteArray>
#include <QXmlStreamReader>

#include <cstdint>
#include <exception>
#include <optional>
#include <vector>

namespace {

bool looksLikeXml(std::string_view name, QByteArrayView content) {
    if (name.ends_with(".xml") || name.ends_with(".rels"))
        return true;
    const QByteArrayView start = content.trimmed();
    return start.startsWith("<") || start.startsWith("\xEF\xBB\xBF");
}

bool wellFormed(QByteArrayView content) {
    QXmlStreamReader reader(content.toByteArray());
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::DTD)
            return false;
    return !reader.hasError();
}

// The entry's bytes as liborcus reads them, or nothing when it cannot read them, and would not
// parse them either.
std::optional<std::vector<unsigned char>> entry(const orcus::zip_archive& zip,
                                                std::string_view name) {
    std::vector<unsigned char> buffer;
    try {
        if (zip.read_file_entry(name, buffer) && !buffer.empty())
            return buffer;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

bool xmlPartsWellFormed(std::string_view archive) {
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const std::uint8_t*>(archive.data()),
                                          archive.size());
    orcus::zip_archive zip(&stream);
    try {
        zip.load();
    } catch (const std::exception&) {
        return true;
    }
    for (std::size_t i = 0; i < zip.get_file_entry_count(); ++i) {
        const std::string_view name = zip.get_file_entry_name(i);
        const auto buffer = entry(zip, name);
        if (!buffer)
            continue;
        // liborcus ends each entry it reads with one NUL of its own.
        const QByteArrayView content(buffer->data(), static_cast<qsizetype>(buffer->size() - 1));
        if (looksLikeXml(name, content) && !wellFormed(content))
            return false;
    }
    return true;
}

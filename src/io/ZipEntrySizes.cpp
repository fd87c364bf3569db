#include "io/ZipEntrySizes.h"

namespace {

constexpr char RecordSignature[] = "PK\x01\x02";
constexpr qsizetype CompressedSizeAt = 20;
constexpr qsizetype UncompressedSizeAt = 24;

std::uint32_t littleEndian32(QByteArrayView bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (qsizetype i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

} // namespace

bool zipEntrySizesWithin(QByteArrayView archive, std::uint32_t limit) {
    const QByteArrayView signature(RecordSignature, 4);
    for (qsizetype at = archive.indexOf(signature); at >= 0;
         at = archive.indexOf(signature, at + 1)) {
        if (at + UncompressedSizeAt + 4 > archive.size())
            break; // a record cut short, which liborcus cannot read either
        if (static_cast<qsizetype>(littleEndian32(archive, at + CompressedSizeAt)) >
                archive.size() ||
            littleEndian32(archive, at + UncompressedSizeAt) > limit)
            return false;
    }
    return true;
}

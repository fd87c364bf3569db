#include "io/PngEncoder.h"

#include "io/RepeatDeflate.h"

#include <QImage>
#include <QtEndian>

#include <zlib.h>

#include <cstring>

namespace {

constexpr int BytesPerPixel = 3;
constexpr int HatchPeriod = 8; // pixels; Qt's hatch brushes repeat every 8 pixels

void appendBigEndian(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char (&type)[5], const QByteArray& data) {
    appendBigEndian(out, static_cast<quint32>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    appendBigEndian(out, static_cast<quint32>(
                             crc32_z(0, reinterpret_cast<const Bytef*>(out.constData() + start),
                                     static_cast<z_size_t>(out.size() - start))));
}

// The picture as 8-bit RGB rows, each after its filter byte (0, none). Most rows of a chart
// repeat the one above, and copying its conversion costs less than converting it again.
QByteArray rgbRows(const QImage& picture, qsizetype rowBytes) {
    const int width = picture.width();
    const int height = picture.height();
    const auto pixelBytes = static_cast<size_t>(width) * sizeof(QRgb);
    QByteArray rows(rowBytes * height, Qt::Uninitialized);
    char* out = rows.data();
    for (int y = 0; y < height; ++y, out += rowBytes) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        out[0] = 0;
        if (y > 0 && std::memcmp(line, picture.constScanLine(y - 1), pixelBytes) == 0) {
            std::memcpy(out + 1, out + 1 - rowBytes, static_cast<size_t>(rowBytes - 1));
            continue;
        }
        for (int x = 0; x < width; ++x) {
            out[1 + 3 * x] = static_cast<char>(qRed(line[x]));
            out[2 + 3 * x] = static_cast<char>(qGreen(line[x]));
            out[3 + 3 * x] = static_cast<char>(qBlue(line[x]));
        }
    }
    return rows;
}

} // namespace

QByteArray encodePng(const QImage& image) {
    if (image.isNull())
        return {};
    const QImage picture = image.format() == QImage::Format_RGB32
                               ? image
                               : image.convertToFormat(QImage::Format_RGB32);
    const qsizetype rowBytes = 1 + BytesPerPixel * qsizetype(picture.width());
    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(picture.width()));
    appendBigEndian(header, static_cast<quint32>(picture.height()));
    header.append(char(8));    // bits a sample
    header.append(char(2));    // RGB
    header.append(3, char(0)); // deflate, adaptive filtering, not interlaced

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    if (picture.dotsPerMeterX() > 0 && picture.dotsPerMeterY() > 0) {
        QByteArray resolution;
        appendBigEndian(resolution, static_cast<quint32>(picture.dotsPerMeterX()));
        appendBigEndian(resolution, static_cast<quint32>(picture.dotsPerMeterY()));
        resolution.append(char(1)); // per metre
        appendChunk(png, "pHYs", resolution);
    }
    // The row above first: most rows of a chart repeat it whole, across the filter bytes.
    std::vector<int> repeats;
    if (rowBytes <= 32768)
        repeats.push_back(int(rowBytes));
    repeats.push_back(BytesPerPixel);
    repeats.push_back(HatchPeriod * BytesPerPixel);
    appendChunk(png, "IDAT", repeatDeflate(rgbRows(picture, rowBytes), repeats));
    appendChunk(png, "IEND", {});
    return png;
}

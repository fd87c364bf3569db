#include "io/WholePicture.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype Looked = 64; // bytes read at each end

QByteArray bytesAt(int descriptor, off_t offset, qsizetype count) {
    QByteArray bytes(count, Qt::Uninitialized);
    const ssize_t read = ::pread(descriptor, bytes.data(), static_cast<size_t>(count), offset);
    bytes.resize(read < 0 ? 0 : read);
    return bytes;
}

bool isWhole(const QByteArray& head, const QByteArray& tail, off_t size, PictureFormat format) {
    switch (format) {
    case PictureFormat::Png:
        return head.startsWith("\x89PNG\r\n\x1a\n") &&
               tail.endsWith(QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12));
    case PictureFormat::Pdf:
        return head.startsWith("%PDF-") && tail.trimmed().endsWith("%%EOF");
    case PictureFormat::Svg:
        return tail.trimmed().endsWith("</svg>");
    case PictureFormat::Bmp: {
        if (!head.startsWith("BM") || head.size() < 6)
            return false;
        const auto byte = [&](int i) { return off_t(static_cast<unsigned char>(head[i])); };
        return (byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24) == size;
    }
    }
    return false;
}

} // namespace

bool isWholePicture(const QString& path, PictureFormat format) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat status;
    bool whole = false;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        const qsizetype tail = qsizetype(std::min<off_t>(status.st_size, Looked));
        whole = isWhole(bytesAt(descriptor, 0, Looked),
                        bytesAt(descriptor, status.st_size - tail, tail), status.st_size, format);
    }
    ::close(descriptor);
    return whole;
}

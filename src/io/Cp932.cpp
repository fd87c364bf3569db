#include "io/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

// One iconv conversion descriptor. Opening one costs more than converting a data file, so each
// thread keeps one a direction for its lifetime; iconv's descriptors are not to be shared.
class Converter {
public:
    Converter(const char* to, const char* from)
        : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Forgets what an earlier conversion left half done.
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

    // Converts as much as it can into `out`; returns false on an invalid or incomplete
    // sequence, leaving `in` at its start.
    bool convert(const char*& in, std::size_t& inLeft, QByteArray& out) {
        char buffer[4096];
        while (inLeft > 0) {
            char* next = buffer;
            std::size_t outLeft = sizeof buffer;
            char* input = const_cast<char*>(in);
            const std::size_t result = iconv(cd_, &input, &inLeft, &next, &outLeft);
            in = input;
            out.append(buffer, next - buffer);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts with `lead`.
std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

QByteArray toCp932(const QString& text, bool* lossy) {
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size());
    thread_local Converter converter("CP932", "UTF-8");
    converter.reset();
    const char* in = utf8.constData();
    std::size_t left = static_cast<std::size_t>(utf8.size());
    while (!converter.convert(in, left, out)) {
        const std::size_t skip = std::min(utf8Length(static_cast<unsigned char>(*in)), left);
        in += skip;
        left -= skip;
        out.append('?');
        if (lossy)
            *lossy = true;
    }
    return out;
}

QString fromCp932(const char* bytes, qsizetype size, bool* invalid) {
    // Most fields are numbers: code page 932 holds ASCII as it is.
    if (std::all_of(bytes, bytes + size, [](char byte) { return (byte & 0x80) == 0; }))
        return QString::fromLatin1(bytes, size);
    QByteArray utf8;
    utf8.reserve(size);
    thread_local Converter converter("UTF-8", "CP932");
    converter.reset();
    const char* in = bytes;
    auto left = static_cast<std::size_t>(size);
    while (!converter.convert(in, left, utf8)) {
        ++in;
        --left;
        utf8.append("\xEF\xBF\xBD"); // U+FFFD
        if (invalid)
            *invalid = true;
    }
    return QString::fromUtf8(utf8);
}

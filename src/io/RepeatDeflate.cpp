#include "io/RepeatDeflate.h"

#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

// Bits packed from the least significant end, as deflate writes them, into a buffer large
// enough for the whole stream.
class BitWriter {
public:
    explicit BitWriter(char* out)
        : out_(out) {}

    void put(quint32 bits, int count) {
        pending_ |= quint64(bits) << filled_;
        filled_ += count;
        if (filled_ >= 32) {
            qToLittleEndian(static_cast<quint32>(pending_), out_);
            out_ += 4;
            pending_ >>= 32;
            filled_ -= 32;
        }
    }
    // Writes the last, partly filled bytes; returns the end of the stream.
    char* finish() {
        for (; filled_ > 0; filled_ -= 8, pending_ >>= 8)
            *out_++ = static_cast<char>(pending_ & 0xFF);
        return out_;
    }

private:
    char* out_;
    quint64 pending_ = 0;
    int filled_ = 0;
};

// Huffman codes are sent from their most significant bit: reversed for the bit writer.
constexpr quint32 reversed(quint32 code, int length) {
    quint32 result = 0;
    for (int i = 0; i < length; ++i, code >>= 1)
        result = (result << 1) | (code & 1);
    return result;
}

struct Code {
    quint16 bits = 0;
    quint8 length = 0;
};

// RFC 1951, 3.2.6: the fixed codes of the literals 0..255, the end of block 256 and the match
// lengths 257..285.
constexpr std::array<Code, 286> LiteralCodes = [] {
    std::array<Code, 286> codes{};
    for (quint32 v = 0; v < codes.size(); ++v) {
        if (v < 144)
            codes[v] = {quint16(reversed(0x30 + v, 8)), 8};
        else if (v < 256)
            codes[v] = {quint16(reversed(0x190 + v - 144, 9)), 9};
        else if (v < 280)
            codes[v] = {quint16(reversed(v - 256, 7)), 7};
        else
            codes[v] = {quint16(reversed(0xC0 + v - 280, 8)), 8};
    }
    return codes;
}();
constexpr int EndOfBlock = 256;

constexpr int MinMatch = 3;
constexpr int MaxMatch = 258;
constexpr int MaxDistance = 32768;
constexpr std::array<quint16, 29> LengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<quint8, 29> LengthExtraBits = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<quint16, 30> DistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<quint8, 30> DistanceExtraBits = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                      4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                      9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The length code (0..28) of each match length.
constexpr std::array<quint8, MaxMatch + 1> LengthCode = [] {
    std::array<quint8, MaxMatch + 1> codes{};
    for (int code = 0, length = MinMatch; length <= MaxMatch; ++length) {
        while (code + 1 < int(LengthBase.size()) && LengthBase[code + 1] <= length)
            ++code;
        codes[length] = quint8(code);
    }
    return codes;
}();

// A distance as the bits that follow a length: its code and extra bits.
struct Distance {
    int distance = 0;
    quint32 bits = 0;
    int length = 0;
};

Distance codedDistance(int distance) {
    int code = int(DistanceBase.size()) - 1;
    while (DistanceBase[code] > distance)
        --code;
    const int extra = DistanceExtraBits[code];
    return {distance, reversed(quint32(code), 5) | quint32(distance - DistanceBase[code]) << 5,
            5 + extra};
}

// How many bytes from `at` repeat those `distance` back, up to `limit`, eight at a time; 0 when
// the first three differ, found at once, since most tries fail.
int matchLength(const uchar* at, int distance, int limit) {
    const uchar* from = at - distance;
    if (limit >= 4) {
        quint32 a, b;
        std::memcpy(&a, at, 4);
        std::memcpy(&b, from, 4);
        if (qFromLittleEndian(a ^ b) & 0xFFFFFF)
            return 0;
    }
    int n = 0;
    for (; n + 8 <= limit; n += 8) {
        quint64 a, b;
        std::memcpy(&a, at + n, 8);
        std::memcpy(&b, from + n, 8);
        if (a != b)
            return n + std::countr_zero(qFromLittleEndian(a ^ b)) / 8;
    }
    while (n < limit && at[n] == from[n])
        ++n;
    return n;
}

} // namespace

QByteArray repeatDeflate(const QByteArray& data, const std::vector<int>& distances) {
    std::vector<Distance> coded;
    for (int distance : distances)
        if (distance >= 1 && distance <= MaxDistance) // the only ones deflate can code
            coded.push_back(codedDistance(distance));
    const auto size = static_cast<qsizetype>(data.size());
    // At most 9 bits a byte, the zlib header and checksum, and the block's own bits.
    QByteArray out(size + size / 8 + 16, Qt::Uninitialized);
    out[0] = char(0x78); // deflate, 32 KB window
    out[1] = char(0x01); // fastest compression; 0x7801 is a multiple of 31
    BitWriter bits(out.data() + 2);
    bits.put(0b011, 3); // the final block, fixed codes

    const auto* input = reinterpret_cast<const uchar*>(data.constData());
    for (qsizetype at = 0; at < size;) {
        const int limit = int(std::min<qsizetype>(MaxMatch, size - at));
        int best = 0;
        const Distance* bestDistance = nullptr;
        for (const Distance& d : coded) {
            if (d.distance > at)
                continue;
            const int length = matchLength(input + at, d.distance, limit);
            if (length > best) {
                best = length;
                bestDistance = &d;
                if (length == limit)
                    break;
            }
        }
        if (best >= MinMatch) {
            const int code = LengthCode[best];
            const Code& symbol = LiteralCodes[257 + code];
            bits.put(symbol.bits, symbol.length);
            bits.put(quint32(best - LengthBase[code]), LengthExtraBits[code]);
            bits.put(bestDistance->bits, bestDistance->length);
            at += best;
        } else {
            const Code& literal = LiteralCodes[input[at]];
            bits.put(literal.bits, literal.length);
            ++at;
        }
    }
    bits.put(LiteralCodes[EndOfBlock].bits, LiteralCodes[EndOfBlock].length);
    char* end = bits.finish();
    qToBigEndian(static_cast<quint32>(adler32_z(1, input, static_cast<z_size_t>(size))), end);
    out.resize(end + 4 - out.constData());
    return out;
}

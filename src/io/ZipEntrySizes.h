#pragma once

#include <QByteArrayView>

#include <cstdint>

// Whether every central directory record of a zip archive declares sizes within bounds: its
// compressed size no larger than the archive, its uncompressed size no larger than `limit`.
// liborcus 0.17 allocates each entry's buffers by these declared sizes before it reads a byte
// of them, so a few bytes of a forged archive could otherwise ask it for gigabytes. Every place
// where a record's signature appears is checked, wherever liborcus may look for the directory.
bool zipEntrySizesWithin(QByteArrayView archive, std::uint32_t limit);

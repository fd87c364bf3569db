#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QString>

// Reads the bytes of a text file from outside (a CSV table) in whichever encoding it came in:
// the text without its byte-order mark, or why a table cannot be loaded from the bytes.

// A byte-order mark decides: EF BB BF UTF-8, FF FE UTF-16 little-endian, FE FF UTF-16 big-endian.
// Without one, bytes that are valid UTF-8 are UTF-8, others code page 932. Refused, with a reason
// for the user, rather than read as garbage: bytes invalid in the encoding the mark names, UTF-16
// of an odd number of bytes or with an unpaired surrogate, bytes that are neither UTF-8 nor code
// page 932, and a NUL (a NUL byte outside UTF-16, a U+0000 character in it), which text files do
// not hold.
Result<QString> decodeText(const QByteArray& bytes);

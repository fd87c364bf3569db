#pragma once

#include <QByteArray>
#include <QString>

// Code page 932 (Shift_JIS with the Windows extensions), the encoding of the data file.

// Encodes the text; a character the code page cannot hold becomes '?', and `lossy` (when given)
// is set to true.
QByteArray toCp932(const QString& text, bool* lossy = nullptr);

// Decodes the bytes; a byte sequence that is not valid code page 932 becomes U+FFFD, and
// `invalid` (when given) is set to true.
QString fromCp932(const char* bytes, qsizetype size, bool* invalid = nullptr);
inline QString fromCp932(const QByteArray& bytes, bool* invalid = nullptr) {
    return fromCp932(bytes.constData(), bytes.size(), invalid);
}

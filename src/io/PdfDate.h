#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>

// The date a PDF file is stamped with, for documents that must come out the same byte for byte
// from the same chart (reproducible builds).

// The time SOURCE_DATE_EPOCH names (whole seconds since 1970, UTC), or nothing where it is not
// set or not such a number.
std::optional<QDateTime> sourceDateEpoch();

// The PDF with the creation date of its information dictionary replaced by `date` in UTC, and its
// cross-reference table moved to match. A file without either comes back as it is.
QByteArray withCreationDate(const QByteArray& pdf, const QDateTime& date);

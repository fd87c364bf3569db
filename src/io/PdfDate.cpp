#include "io/PdfDate.h"

namespace {

constexpr int OffsetDigits = 10; // an entry of the table: "0000012345 00000 n \n"
constexpr int EntryLength = 20;

} // namespace

std::optional<QDateTime> sourceDateEpoch() {
    bool ok = false;
    const qlonglong seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (!ok || seconds < 0)
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

QByteArray withCreationDate(const QByteArray& pdf, const QDateTime& date) {
    static const QByteArray key = "/CreationDate (";
    const qsizetype start = pdf.indexOf(key);
    const qsizetype end = start < 0 ? -1 : pdf.indexOf(')', start);
    const qsizetype table = pdf.lastIndexOf("\nxref\n");
    const qsizetype startxref = pdf.lastIndexOf("startxref\n");
    if (end < 0 || table < end || startxref < table)
        return pdf;
    const QByteArray stamp =
        key + "D:" + date.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z";
    const qsizetype shift = stamp.size() - (end - start);
    QByteArray out = pdf.left(start) + stamp + pdf.mid(end);

    // Every object after the date moves by the same number of bytes, and so does the table.
    const auto moved = [&](qsizetype offset) { return offset > start ? offset + shift : offset; };
    qsizetype entry = out.indexOf('\n', out.indexOf('\n', table + shift + 1) + 1) + 1;
    for (; entry + EntryLength <= out.size() && out.at(entry + OffsetDigits) == ' ';
         entry += EntryLength) {
        if (out.at(entry + EntryLength - 3) != 'n')
            continue;
        const qsizetype offset = out.mid(entry, OffsetDigits).toLongLong();
        out.replace(entry, OffsetDigits,
                    QByteArray::number(moved(offset)).rightJustified(OffsetDigits, '0'));
    }
    const qsizetype number = startxref + shift + qsizetype(sizeof("startxref\n") - 1);
    const qsizetype numberEnd = out.indexOf('\n', number);
    out.replace(number, numberEnd - number, QByteArray::number(table + 1 + shift));
    return out;
}

#include "io/TextDecoding.h"

#include "io/Cp932.h"

#include <QStringDecoder>
#include <QSysInfo>
#include <QtEndian>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray Utf16LeBom = QByteArrayLiteral("\xFF\xFE");
const QByteArray Utf16BeBom = QByteArrayLiteral("\xFE\xFF");

QString markedButInvalid(const QString& encoding, const QString& problem) {
    return QStringLiteral("%1 の印 (BOM) がありますが、%2").arg(encoding, problem);
}

Failure refused(const QString& reason) {
    return {Action::LoadTable, {}, reason};
}

// Strict UTF-8: a sequence cut off at the end is an error too. A mark after the one taken off
// is a character of the text.
bool decodeUtf8(const QByteArray& bytes, QString& text) {
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    text = utf8(bytes);
    return !utf8.hasError();
}

Result<QString> decodeUtf16(const QByteArray& body, QSysInfo::Endian order) {
    const QString encoding = QStringLiteral("UTF-16");
    if (body.size() % 2 != 0)
        return refused(markedButInvalid(encoding, QStringLiteral("バイト数が奇数です。")));
    QString text(body.size() / 2, Qt::Uninitialized);
    const auto* in = reinterpret_cast<const uchar*>(body.constData());
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < text.size(); ++i, in += 2)
        out[i] = order == QSysInfo::LittleEndian ? qFromLittleEndian<quint16>(in)
                                                 : qFromBigEndian<quint16>(in);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return refused(markedButInvalid(
                encoding, QStringLiteral("対になっていないサロゲートを含んでいます。")));
    }
    if (text.contains(QChar(u'\0')))
        return refused(QStringLiteral("テキストではない文字 (NUL) を含んでいます。"));
    return text;
}

} // namespace

Result<QString> decodeText(const QByteArray& bytes) {
    if (bytes.startsWith(Utf16LeBom))
        return decodeUtf16(bytes.sliced(Utf16LeBom.size()), QSysInfo::LittleEndian);
    if (bytes.startsWith(Utf16BeBom))
        return decodeUtf16(bytes.sliced(Utf16BeBom.size()), QSysInfo::BigEndian);

    if (bytes.contains('\0'))
        return refused(QStringLiteral("テキストではないバイト (NUL) を含んでいます。"));
    QString text;
    if (bytes.startsWith(Utf8Bom)) {
        if (!decodeUtf8(bytes.sliced(Utf8Bom.size()), text))
            return refused(
                markedButInvalid(QStringLiteral("UTF-8"),
                                 QStringLiteral("UTF-8 として読めないバイトを含んでいます。")));
        return text;
    }
    if (decodeUtf8(bytes, text))
        return text;
    bool invalid = false;
    text = fromCp932(bytes, &invalid);
    if (invalid)
        return refused(QStringLiteral("文字コードを判別できません。UTF-8 でもシフト JIS "
                                      "(コードページ 932) でもないバイトを含んでいます。"));
    return text;
}

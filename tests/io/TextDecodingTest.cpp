#include "Printers.h"

#include "io/TextDecoding.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<unsigned char> list) {
    return QByteArray(reinterpret_cast<const char*>(std::data(list)),
                      static_cast<qsizetype>(list.size()));
}

TEST(TextDecoding, TheMarkDecidesElseUtf8ElseCodePage932AndGarbageIsRefused) {
    const char16_t* const unknown = u"文字コードを判別できません";
    const struct {
        const char* name;
        QByteArray bytes;
        const char16_t* text;
        const char16_t* error; // part of the reason; empty when the bytes are read
    } cases[] = {
        {"UTF-8 with its mark", "\xEF\xBB\xBF\xE6\x9D\xB1,1", u"東,1", u""},
        {"UTF-8 without a mark", "\xE6\x9D\xB1\xE4\xBA\xAC", u"東京", u""},
        {"a second mark is text", bytes({0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF, 'a'}), u"\uFEFFa",
         u""},
        {"nothing", "", u"", u""},
        {"UTF-16 LE", bytes({0xFF, 0xFE, 0x42, 0xD8, 0xB7, 0xDF, 0x71, 0x67, 0x0A, 0x00}),
         u"\U00020BB7東\n", u""},
        {"UTF-16 BE", bytes({0xFE, 0xFF, 0xD8, 0x42, 0xDF, 0xB7, 0x67, 0x71}), u"\U00020BB7東",
         u""},
        {"code page 932", "\x93\x8C\x8B\x9E,\xB6", u"東京,ｶ", u""},
        {"neither UTF-8 nor code page 932", "a\x80\x80", u"", unknown},
        {"code page 932 cut off", "\x93\x8C\x8B", u"", unknown},
        {"UTF-8 mark, other bytes", "\xEF\xBB\xBF\x93\x8C\x8B\x9E", u"", u"UTF-8 の印 (BOM)"},
        {"UTF-8 mark, sequence cut off", "\xEF\xBB\xBF\xE6\x9D", u"", u"UTF-8 の印 (BOM)"},
        {"NUL in UTF-8", bytes({'1', ',', '2', 0, '3'}), u"", u"(NUL)"},
        {"NUL in code page 932", bytes({0x93, 0x8C, 0}), u"", u"(NUL)"},
        {"UTF-16 odd length", bytes({0xFF, 0xFE, 0x61, 0x00, 0x62}), u"", u"奇数"},
        {"UTF-16 high surrogate alone", bytes({0xFF, 0xFE, 0x42, 0xD8, 0x61, 0x00}), u"",
         u"サロゲート"},
        {"UTF-16 low surrogate alone", bytes({0xFE, 0xFF, 0xDF, 0xB7}), u"", u"サロゲート"},
        {"UTF-16 NUL", bytes({0xFF, 0xFE, 0x61, 0x00, 0x00, 0x00}), u"", u"(NUL)"},
    };
    for (const auto& c : cases) {
        const Result<QString> decoded = decodeText(c.bytes);
        const QString error = QStringView(c.error).toString();
        if (error.isEmpty())
            EXPECT_EQ(decoded ? *decoded : decoded.failure().reason, QStringView(c.text).toString())
                << c.name;
        else
            EXPECT_TRUE(!decoded && decoded.failure().reason.contains(error)) << c.name;
    }
}

} // namespace

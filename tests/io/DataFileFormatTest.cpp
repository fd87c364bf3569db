#include "Printers.h"

#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/TableContents.h"
#include "io/Cp932.h"
#include "io/DataFileFormat.h"

#include <QList>

#include <gtest/gtest.h>

#include <random>

namespace {

// How many fields the bytes hold, as the failure of an incomplete table counts them ("156
// 項目のうち 3 項目しかありません"); a complete table goes into `table`.
int decode(const QByteArray& bytes, DataTable& table) {
    Result<DataTable> decoded = decodeDataFile(bytes.constData(), bytes.size());
    if (!decoded)
        return decoded.failure().reason.section(u' ', 2, 2).toInt();
    table = std::move(*decoded);
    return DataFileFields;
}

QByteArray freshWindowFile() {
    QByteArray expected = ",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    for (int r = 1; r <= 10; ++r)
        expected += "\"\",0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    expected += ",\"\",\"\",\"\",\"\",\"\",,,,,,,\r\n";
    return expected;
}

TEST(DataFileWriter, FreshWindowWritesTheTwelveLinesExactly) {
    TableContents boxes;
    DataTable table;
    inputData(boxes, table);
    const EncodedTable encoded = encodeDataFile(table);
    EXPECT_EQ(encoded.bytes, freshWindowFile());
    EXPECT_TRUE(encoded.lossyCells.empty());
}

TEST(DataFileWriter, NumbersAndTextsTakeTheInvariantForm) {
    TableContents boxes;
    boxes.setRowLabel(1, QStringLiteral("A"));
    boxes.setValue(1, 1, QStringLiteral("12.5"));
    boxes.setValue(1, 2, QStringLiteral("0.5"));
    boxes.setRowLabel(2, QStringLiteral(" a, b "));
    const char* values[] = {"-0.25", "1e16",   "1e-5",    "123456789012345", "1234567890123456",
                            "-3",    "0.0001", "2.5E+300"};
    for (int c = 1; c <= 8; ++c)
        boxes.setValue(2, c, QString::fromLatin1(values[c - 1]));
    boxes.setColumnLabel(1, QStringLiteral("日本語①～"));
    boxes.setDescription(Description::Title, QStringLiteral("say \"hi\""));
    DataTable table;
    inputData(boxes, table);

    const QList<QByteArray> lines = encodeDataFile(table).bytes.split('\n');
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0],
              ",\"\x93\xfa\x96\x7b\x8c\xea\x87\x40\x81\x60\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
              "\"\",\"\",\"\",\"\"\r");
    EXPECT_EQ(lines[1], "\"A\",12.5,.5,0,0,0,0,0,0,0,0,0,0\r");
    EXPECT_EQ(lines[2], "\" a, b \",-.25,1E+16,1E-05,123456789012345,1.23456789012346E+15,-3,.0001,"
                        "2.5E+300,0,0,0,0\r");
    EXPECT_EQ(lines[11], ",\"say \"\"hi\"\"\",\"\",\"\",\"\",\"\",,,,,,,\r");
    EXPECT_TRUE(lines[12].isEmpty()) << "nothing after the last CR LF";
}

TEST(DataFileWriter, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    DataTable table;
    table(3, 0) = QStringLiteral("a😀b");
    table(11, 9) = QStringLiteral("é");
    const EncodedTable encoded = encodeDataFile(table);
    EXPECT_TRUE(encoded.bytes.contains("\"a?b\""));
    EXPECT_TRUE(encoded.bytes.contains("\"?\""));
    EXPECT_EQ(encoded.lossyCells, (std::vector<std::pair<int, int>>{{3, 0}, {11, 9}}));
}

TEST(DataFileRoundTrip, SaveLoadSaveGivesTheSameBytesAndValues) {
    DataTable table;
    const double numbers[] = {0.5, -0.25, 123456789012345.0, 1e16, 1e-5, 3.14159265358979, -7, 0};
    for (int r = 1; r <= 10; ++r) {
        table(r, 0) = QStringLiteral("行 %1, \"q\"").arg(r);
        for (int c = 1; c <= 12; ++c)
            table(r, c) = numbers[(r + c) % std::size(numbers)];
    }
    for (int c = 1; c <= 12; ++c)
        table(0, c) = QStringLiteral("①～%1").arg(c);
    table(11, 1) = QStringLiteral("タイトル");
    table(0, 0) = QStringLiteral("outside");
    table(11, 12) = 42.0;

    const QByteArray first = encodeDataFile(table).bytes;
    DataTable loaded;
    ASSERT_EQ(decode(first, loaded), DataFileFields);
    EXPECT_EQ(loaded, table);
    EXPECT_EQ(encodeDataFile(loaded).bytes, first);
}

struct ReaderCase {
    const char* name;
    QByteArray bytes;
    int r, c;
    Cell expected;
};

// A complete file whose first line is replaced by `line0`.
QByteArray withFirstLine(const QByteArray& line0) {
    QByteArray bytes = freshWindowFile();
    return line0 + bytes.mid(bytes.indexOf('\n') + 1);
}

TEST(DataFileReader, ReadsEveryShapeOfField) {
    const ReaderCase cases[] = {
        {"leading blanks skipped",
         withFirstLine("  \"x\",  12 ,\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                       "\"\",\"\",\"\",\"\"\r\n"),
         0, 1, 12.0},
        {"junk after closing quote skipped", withFirstLine("\"ab\"cd,\"e,f\"gh,3,,,,,,,,,,\r\n"), 0,
         1, QStringLiteral("e,f")},
        {"doubled quote is one quote", withFirstLine("\"say \"\"hi\"\"\",,,,,,,,,,,,\r\n"), 0, 0,
         QStringLiteral("say \"hi\"")},
        {"single inner quote reads as before", withFirstLine("\"a\"b\",x,,,,,,,,,,,\r\n"), 0, 1,
         QStringLiteral("x")},
        {"empty field is empty", withFirstLine(",,,,,,,,,,,,\r\n"), 0, 5, Cell{}},
        {"leading zero number", withFirstLine("0.5,,,,,,,,,,,,\r\n"), 0, 0, 0.5},
        {"no leading zero", withFirstLine("-.25,,,,,,,,,,,,\r\n"), 0, 0, -0.25},
        {"exponent", withFirstLine("1E+16,1e-05,,,,,,,,,,,\r\n"), 0, 1, 1e-5},
        {"unquoted text", withFirstLine("12kg,,,,,,,,,,,,\r\n"), 0, 0, QStringLiteral("12kg")},
        {"full-width digits are text", withFirstLine("\x82\x50\x82\x51,,,,,,,,,,,,\r\n"), 0, 0,
         QStringLiteral("１２")},
        {"overflowing number kept as text", withFirstLine("1e400,,,,,,,,,,,,\r\n"), 0, 0,
         QStringLiteral("1e400")},
        {"LF line ends", QByteArray(freshWindowFile()).replace("\r\n", "\n"), 10, 12, 0.0},
        {"CR line ends", QByteArray(freshWindowFile()).replace("\r\n", "\r"), 11, 1, QString()},
        {"all fields on one line", QByteArray(freshWindowFile()).replace("\r\n", ","), 11, 5,
         QString()},
        {"cells outside the layout", withFirstLine("\"kept\",,,,,,,,,,,,\r\n"), 0, 0,
         QStringLiteral("kept")},
        {"undecodable bytes", withFirstLine("\"a\xFD\xFE\",,,,,,,,,,,,\r\n"), 0, 0,
         QStringLiteral("a\uFFFD\uFFFD")},
        {"NUL bytes are text", withFirstLine(QByteArray("\"a\0b\",,,,,,,,,,,,\r\n", 19)), 0, 0,
         QString::fromUtf8("a\0b", 3)},
        {"quoted number is text", withFirstLine("\"12\",,,,,,,,,,,,\r\n"), 0, 0,
         QStringLiteral("12")},
        {"quoted line end", withFirstLine("\"a\r\nb\",7,,,,,,,,,,,\r\n"), 0, 1, 7.0},
        {"empty line is a field", withFirstLine("\r\n7,,,,,,,,,,,\r\n"), 0, 1, 7.0},
        {"0x5C trail byte before a quote", withFirstLine("\"\x95\x5C\",,,,,,,,,,,,\r\n"), 0, 0,
         QStringLiteral("表")},
        {"character cut by the first decoded piece",
         withFirstLine('"' + QByteArray("\x95\x5C").repeated(40000) + "\",,,,,,,,,,,,\r\n"), 0, 0,
         QString(u'表').repeated(40000)},
        {"long tail after the last field", freshWindowFile() + QByteArray(100000, 'x'), 10, 12,
         0.0},
    };
    for (const ReaderCase& c : cases) {
        DataTable table;
        EXPECT_EQ(decode(c.bytes, table), DataFileFields) << c.name;
        EXPECT_EQ(table(c.r, c.c), c.expected) << c.name;
    }
}

TEST(DataFileReader, FieldsSpreadOverOtherLineLengthsLoadTheSame) {
    DataTable table;
    table(5, 5) = 3.5;
    table(7, 0) = QStringLiteral("x");
    const QByteArray standard = encodeDataFile(table).bytes;
    QByteArray fields = standard;
    fields.replace("\r\n", ",");
    fields.chop(1);
    const QList<QByteArray> all = fields.split(',');
    ASSERT_EQ(all.size(), DataFileFields);
    for (int perLine : {1, 7, 26, 156}) {
        QByteArray bytes;
        for (int i = 0; i < DataFileFields; ++i)
            bytes += all[i] + ((i + 1) % perLine == 0 ? "\r\n" : ",");
        DataTable loaded;
        EXPECT_EQ(decode(bytes, loaded), DataFileFields) << perLine;
        EXPECT_EQ(loaded, table) << perLine;
    }
}

TEST(DataFileReader, NothingAfterThe156thFieldIsRead) {
    DataTable table;
    EXPECT_EQ(decode(freshWindowFile() + "\"extra\",1,2\r\n\xFF\xFF", table), DataFileFields);
    EXPECT_EQ(table(11, 12), Cell{});
}

TEST(DataFileReader, AnIncompleteFileChangesNothing) {
    DataTable table;
    table(1, 1) = 99.0;
    const DataTable before = table;
    QByteArray elevenLines = freshWindowFile();
    elevenLines.truncate(elevenLines.lastIndexOf("\r\n", elevenLines.size() - 3) + 2);
    EXPECT_EQ(decode(elevenLines, table), 143);
    EXPECT_EQ(decode(QByteArray(), table), 0);
    EXPECT_EQ(decode(QByteArray("\r\n\r\n"), table), 2);
    EXPECT_EQ(decode(QByteArray("1\r \t"), table), 1) << "blanks after the last line end";
    EXPECT_EQ(decode(QByteArray("1, \t"), table), 2) << "a trailing comma";
    EXPECT_EQ(table, before);
}

TEST(DataFileReader, HostileBytesNeverCrashOrHang) {
    std::mt19937 random(20261208);
    DataTable sentinel;
    sentinel(5, 5) = QStringLiteral("untouched");
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(static_cast<int>(random() % 2000), '\0');
        for (char& b : bytes)
            b = static_cast<char>(random() % 4 == 0 ? ",\"\r\n"[random() % 4] : random());
        DataTable table = sentinel;
        if (decode(bytes, table) < DataFileFields) {
            EXPECT_EQ(table, sentinel) << "round " << round << ": an incomplete file changed cells";
        }
    }

    // The last field of an otherwise complete file, as the reader keeps it.
    QByteArray first155 = freshWindowFile();
    first155.chop(2); // the last line's CR LF: the file now ends after the 155th field's comma
    QByteArray unterminated = first155 + '"' + QByteArray(30 * 1024 * 1024, 'x');
    DataTable table;
    ASSERT_EQ(decode(unterminated, table), DataFileFields);
    EXPECT_EQ(table(11, 12), Cell{QString(30 * 1024 * 1024, u'x')}) << "runs to the end";

    ASSERT_EQ(decode(first155 + QByteArray(1000, '\0'), table), DataFileFields);
    EXPECT_EQ(table(11, 12), Cell{QString(1000, QChar(u'\0'))}) << "NULs are one unquoted text";
}

TEST(Cp932, EncodesAndDecodesTheWindowsExtensions) {
    EXPECT_EQ(toCp932(QStringLiteral("①")), QByteArray("\x87\x40"));
    EXPECT_EQ(toCp932(QStringLiteral("～")), QByteArray("\x81\x60"));
    EXPECT_EQ(fromCp932(QByteArray("\x87\x40\x81\x60")), QStringLiteral("①～"));
    bool lossy = false;
    EXPECT_EQ(toCp932(QStringLiteral("abc日本"), &lossy), QByteArray("abc\x93\xfa\x96\x7b"));
    EXPECT_FALSE(lossy);
    EXPECT_EQ(toCp932(QStringLiteral("é😀x"), &lossy), QByteArray("??x"));
    EXPECT_TRUE(lossy);
    EXPECT_EQ(fromCp932(QByteArray("a\x82")), QStringLiteral("a\uFFFD")) << "cut lead byte";
}

} // namespace

namespace {

// Found by the fuzzer: a number of more than 15 significant digits comes back to the 15 digits
// the file keeps, not bit for bit.
TEST(DataFileRoundTrip, NumbersBeyond15DigitsComeBackTo15Digits) {
    DataTable table;
    table(1, 1) = 12345678901234125.0;
    const QByteArray saved = encodeDataFile(table).bytes;
    EXPECT_TRUE(saved.contains(",1.23456789012341E+16,"));
    DataTable loaded;
    ASSERT_EQ(decode(saved, loaded), DataFileFields);
    EXPECT_NEAR(std::get<double>(loaded(1, 1)), 12345678901234125.0, 1e3);
}

// The largest magnitudes round toward zero at 15 digits: rounded up they would lie beyond the
// 64-bit range and load as text.
TEST(DataFileRoundTrip, TheLargestNumbersStayNumbers) {
    const std::pair<double, const char*> cases[] = {
        {1.7976931348623157e308, "1.79769313486231E+308"},
        {-1.797693134862315e308, "-1.79769313486231E+308"},
        {1.79769313486231e308, "1.79769313486231E+308"},
        {1.7976931348623e308, "1.7976931348623E+308"},
        {9.99999999999999e307, "9.99999999999999E+307"},
    };
    for (const auto& [value, text] : cases) {
        DataTable table;
        table(1, 1) = value;
        const QByteArray saved = encodeDataFile(table).bytes;
        EXPECT_TRUE(saved.contains(QByteArray(",") + text + ",")) << text;
        DataTable loaded;
        ASSERT_EQ(decode(saved, loaded), DataFileFields);
        ASSERT_TRUE(std::holds_alternative<double>(loaded(1, 1))) << text;
        EXPECT_NEAR(std::get<double>(loaded(1, 1)) / value, 1.0, 1e-14) << text;
    }
}

} // namespace

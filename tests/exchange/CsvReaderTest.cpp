// The CSV line reader and field reader on real files with odd line ends,
// quoting, byte-order marks, over-long lines and bytes that are not UTF-8.
#include "CsvReader.h"
#include "TestSupport.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

// Every line of a byte string as the reader delivers it, with the result codes.
struct Lines {
    QStringList texts;
    std::vector<int> codes;
};

Lines readAll(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    InputTextStream stream;
    EXPECT_TRUE(stream.open(&buffer));
    Lines lines;
    for (int guard = 0; guard < 100000; ++guard) {
        QString text;
        const int code = stream.readLine(text);
        lines.codes.push_back(code);
        lines.texts << (text.isNull() ? QStringLiteral("<none>") : text);
        if (code != InputTextStream::kLine)
            break;
    }
    return lines;
}

QStringList fieldsOf(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    InputTextStream stream;
    stream.open(&buffer);
    QString first;
    stream.readLine(first);
    CsvFieldReader reader(stream);
    reader.setLine(first);
    QStringList fields;
    while (auto field = reader.readField())
        fields << *field;
    return fields;
}

} // namespace

TEST(InputTextStream, AllThreeLineEndsReadAlike)
{
    for (const QByteArray& end : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        const Lines lines = readAll("one" + end + "two" + end + end + "three" + end);
        EXPECT_EQ(lines.texts, QStringList({"one", "two", "", "three", "<none>"})) << end.toHex().constData();
        EXPECT_EQ(lines.codes.back(), InputTextStream::kEnd);
    }
}

TEST(InputTextStream, ACarriageReturnAndLineFeedSplitAcrossBlocks)
{
    // The carriage return is the last byte of the first 128-byte block.
    const QByteArray first = QByteArray(127, 'a') + "\r";
    const Lines lines = readAll(first + "\nnext\n");
    EXPECT_EQ(lines.texts, QStringList({QString(127, 'a'), "next", "<none>"}));
}

TEST(InputTextStream, LastLineWithoutEndAndEmptyFile)
{
    Lines lines = readAll("alpha\nomega");
    EXPECT_EQ(lines.texts, QStringList({"alpha", "omega"}));
    EXPECT_EQ(lines.codes, std::vector<int>({0, -1}));
    lines = readAll("");
    EXPECT_EQ(lines.texts, QStringList({"<none>"}));
    EXPECT_EQ(lines.codes, std::vector<int>({-1}));
}

TEST(InputTextStream, AByteOrderMarkIsDropped)
{
    EXPECT_EQ(readAll("\xEF\xBB\xBF" "Cacti\nx\n").texts.first(), QString("Cacti"));
}

TEST(InputTextStream, LinesOverTheLimitStopTheReading)
{
    Lines lines = readAll(QByteArray(10000, 'x') + "\nok\n");
    EXPECT_EQ(lines.texts.first().size(), 10000);
    EXPECT_EQ(lines.texts.at(1), QString("ok"));
    lines = readAll("before\n" + QByteArray(10001, 'x') + "\nafter\n");
    EXPECT_EQ(lines.codes, std::vector<int>({0, 255}));
    // Also without any line end, and on every call after it.
    QBuffer buffer;
    buffer.setData(QByteArray(50000, 'y'));
    buffer.open(QIODevice::ReadOnly);
    InputTextStream stream;
    stream.open(&buffer);
    QString text;
    EXPECT_EQ(stream.readLine(text), 255);
    EXPECT_EQ(stream.readLine(text), 255);
}

TEST(InputTextStream, TextThatIsNotUtf8ComesBackAsNoText)
{
    const Lines lines = readAll("good\n\xFF\xFE\xC3\n\xC3\xA9t\xC3\xA9\n");
    EXPECT_EQ(lines.texts, QStringList({"good", "<none>", QStringLiteral("\u00E9t\u00E9"), "<none>"}));
}

TEST(InputTextStream, OpenRefusesMissingFilesAndSecondOpens)
{
    TempFolder folder;
    writeFile(folder.file("a.csv"), "x\n");
    InputTextStream stream;
    EXPECT_FALSE(stream.open(folder.file("missing.csv")));
    EXPECT_TRUE(stream.open(folder.file("a.csv")));
    EXPECT_FALSE(stream.open(folder.file("a.csv")));
    EXPECT_TRUE(stream.close());
    EXPECT_FALSE(stream.close());
}

struct FieldCase {
    const char* name;
    const char* input;
    std::vector<const char*> fields;
};

class FieldReader : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldReader, SplitsAsTheTemplateLayoutMeans)
{
    QStringList expected;
    for (const char* f : GetParam().fields)
        expected << QString::fromUtf8(f);
    EXPECT_EQ(fieldsOf(GetParam().input), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FieldReader,
    ::testing::Values(
        FieldCase{"plain", "a,b,c", {"a", "b", "c"}},
        FieldCase{"quoted", "\"a\",\"b\"", {"a", "b"}},
        FieldCase{"empty_fields", "\"\",,\"x\"", {"", "", "x"}},
        FieldCase{"trailing_comma", "a,b,", {"a", "b"}},
        FieldCase{"comma_inside", "\"one, two\",3", {"one, two", "3"}},
        FieldCase{"doubled_quotes", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        FieldCase{"only_quotes", "\"\"\"\"", {"\""}},
        FieldCase{"line_feed_inside", "\"first\nsecond\",next", {"first\nsecond", "next"}},
        FieldCase{"crlf_inside", "\"first\r\nsecond\",next", {"first\nsecond", "next"}},
        FieldCase{"empty_line_inside", "\"a\n\nb\",c", {"a\n\nb", "c"}},
        FieldCase{"all_at_once", "\"x, \"\"y\"\"\nz\",end", {"x, \"y\"\nz", "end"}},
        FieldCase{"cut_in_quotes", "ok,\"never closed\nand the file ends", {"ok"}},
        FieldCase{"unicode", "\"\xC3\xA9\xF0\x9F\x8C\xB5\",b", {"\xC3\xA9\xF0\x9F\x8C\xB5", "b"}}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(SplitCsvLine, ReadsOneLineOnly)
{
    EXPECT_EQ(splitCsvLine("Cacti,,,", 22), QStringList({"Cacti", "", ""}));
    EXPECT_EQ(splitCsvLine("\"a,b\",\"c\"\"d\"", 22), QStringList({"a,b", "c\"d"}));
    EXPECT_EQ(splitCsvLine("a,b,c,d", 2), QStringList({"a", "b"}));
}

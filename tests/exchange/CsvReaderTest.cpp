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

constexpr int kLine = InputTextStream::kLine;
constexpr int kEnd = InputTextStream::kEnd;
constexpr int kTooLong = InputTextStream::kTooLong;

struct LineCase {
    const char* name;
    QByteArray input;
    QStringList texts; // "<none>": no text; not compared when empty
    std::vector<int> codes;
};

class LineReader : public ::testing::TestWithParam<LineCase> {};

} // namespace

TEST_P(LineReader, DeliversEachLineAndItsResult)
{
    const Lines lines = readAll(GetParam().input);
    if (!GetParam().texts.isEmpty()) {
        EXPECT_EQ(lines.texts, GetParam().texts);
    }
    EXPECT_EQ(lines.codes, GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LineReader,
    ::testing::Values(
        LineCase{"lf", "one\ntwo\n\nthree\n", {"one", "two", "", "three", "<none>"}, {kLine, kLine, kLine, kLine, kEnd}},
        LineCase{"crlf", "one\r\ntwo\r\n\r\nthree\r\n", {"one", "two", "", "three", "<none>"},
                 {kLine, kLine, kLine, kLine, kEnd}},
        LineCase{"cr", "one\rtwo\r\rthree\r", {"one", "two", "", "three", "<none>"}, {kLine, kLine, kLine, kLine, kEnd}},
        // The carriage return is the last byte of the first 128-byte block.
        LineCase{"crlf_split_across_blocks", QByteArray(127, 'a') + "\r\nnext\n", {QString(127, 'a'), "next", "<none>"},
                 {kLine, kLine, kEnd}},
        LineCase{"last_line_without_end", "alpha\nomega", {"alpha", "omega"}, {kLine, kEnd}},
        LineCase{"empty_file", "", {"<none>"}, {kEnd}},
        LineCase{"byte_order_mark_dropped", "\xEF\xBB\xBF" "Cacti\nx\n", {"Cacti", "x", "<none>"}, {kLine, kLine, kEnd}},
        LineCase{"not_utf8_is_no_text", "good\n\xFF\xFE\xC3\n\xC3\xA9t\xC3\xA9\n",
                 {"good", "<none>", QStringLiteral("\u00E9t\u00E9"), "<none>"}, {kLine, kLine, kLine, kEnd}},
        LineCase{"line_at_the_limit", QByteArray(10000, 'x') + "\nok\n", {QString(10000, 'x'), "ok", "<none>"},
                 {kLine, kLine, kEnd}},
        LineCase{"line_over_the_limit_stops", "before\n" + QByteArray(10001, 'x') + "\nafter\n", {}, {kLine, kTooLong}}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(InputTextStream, AnOverLongLineWithoutEndStopsEveryLaterCall)
{
    QBuffer buffer;
    buffer.setData(QByteArray(50000, 'y'));
    buffer.open(QIODevice::ReadOnly);
    InputTextStream stream;
    stream.open(&buffer);
    QString text;
    EXPECT_EQ(stream.readLine(text), 255);
    EXPECT_EQ(stream.readLine(text), 255);
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
        FieldCase{"empty_fields", "\"\",,\"x\"", {"", "", "x"}},
        FieldCase{"trailing_comma", "a,b,", {"a", "b"}},
        FieldCase{"comma_inside", "\"one, two\",3", {"one, two", "3"}},
        FieldCase{"doubled_quotes", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        FieldCase{"line_feed_inside", "\"first\nsecond\",next", {"first\nsecond", "next"}},
        FieldCase{"crlf_inside", "\"first\r\nsecond\",next", {"first\nsecond", "next"}},
        FieldCase{"empty_line_inside", "\"a\n\nb\",c", {"a\n\nb", "c"}},
        FieldCase{"all_at_once", "\"x, \"\"y\"\"\nz\",end", {"x, \"y\"\nz", "end"}},
        FieldCase{"cut_in_quotes", "ok,\"never closed\nand the file ends", {"ok"}},
        // A quoted field that begins at the line end goes on below.
        FieldCase{"break_first_lf", "a,\"\nb\",c", {"a", "\nb", "c"}},
        FieldCase{"break_first_crlf", "a,\"\r\nb\"", {"a", "\nb"}},
        FieldCase{"break_first_cr", "a,\"\rb\"", {"a", "\nb"}},
        FieldCase{"only_a_break", "\"\n\"", {"\n"}},
        FieldCase{"only_two_breaks", "a,\"\n\n\"", {"a", "\n\n"}},
        FieldCase{"break_last", "\"x\n\",y", {"x\n", "y"}},
        FieldCase{"unicode", "\"\xC3\xA9\xF0\x9F\x8C\xB5\",b", {"\xC3\xA9\xF0\x9F\x8C\xB5", "b"}}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

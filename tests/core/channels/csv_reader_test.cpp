#include "channels/csv_reader.h"

#include <gtest/gtest.h>

namespace rp70 {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows FieldsOf(std::string_view text) {
    auto read = ReadCsv(text, 100);
    EXPECT_TRUE(std::holds_alternative<std::vector<CsvRow>>(read))
        << std::get<CsvError>(read).Message;
    Rows rows;
    for (const CsvRow& row : std::get<std::vector<CsvRow>>(read)) {
        rows.push_back(row.Fields);
    }
    return rows;
}

TEST(CsvReader, ReadsTheFormsOtherProgramsWrite) {
    const struct {
        const char* Text;
        Rows Expected;
    } cases[] = {
        {"a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
        {"a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"\xEF\xBB\xBF"
         "Location,Name\r\n",
         {{"Location", "Name"}}},
        {"\"x, y\",\"say \"\"hi\"\"\"\n", {{"x, y", "say \"hi\""}}},
        {"1,\"two\r\nlines\",3\n", {{"1", "two\r\nlines", "3"}}},
        {"a,,\n\n\r\nb\n", {{"a", "", ""}, {"b"}}},
        {"\"\",x\n", {{"", "x"}}},
        {"ab\"c,d\n", {{"ab\"c", "d"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldsOf(c.Text), c.Expected) << c.Text;
    }
}

TEST(CsvReader, CountsLinesInsideQuotedFields) {
    const auto rows = std::get<std::vector<CsvRow>>(ReadCsv("h\n\"a\nb\"\n\nlast\n", 10));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].Line, 2);
    EXPECT_EQ(rows[2].Line, 5);
}

TEST(CsvReader, RefusesWhatIsNotCsv) {
    const struct {
        std::string Text;
        const char* Message;
    } cases[] = {
        {"a,b\n1,\"open\n2,3\n", "the quote opened on line 2 is never closed"},
        {"\"a\"b,c\n", "text after a closing quote on line 1"},
        {std::string("a,b\0c\n", 6), "not a text file"},
        {"a,\xC3\x28\n", "not a text file"},
        {"a,\xED\xA0\x80\n", "not a text file"},
        {"1\n2\n3\n4\n", "more than 3 rows"},
    };
    for (const auto& c : cases) {
        const auto read = ReadCsv(c.Text, 3);
        ASSERT_TRUE(std::holds_alternative<CsvError>(read)) << c.Text;
        EXPECT_NE(std::get<CsvError>(read).Message.find(c.Message), std::string::npos)
            << std::get<CsvError>(read).Message;
    }
}

TEST(CsvReader, FieldsWrittenReadBackUnchanged) {
    const std::vector<std::string> fields = {"plain",        "a,b",      "say \"x\"",
                                             "two\r\nlines", " padded ", ""};
    std::string line;
    for (const std::string& field : fields) {
        line += (line.empty() ? "" : ",") + CsvField(field);
    }
    EXPECT_EQ(FieldsOf(line + "\r\n"), Rows{fields});
    EXPECT_EQ(CsvField("plain"), "plain");
}

} // namespace
} // namespace rp70

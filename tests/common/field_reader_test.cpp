#include "common/field_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using common::FieldReader;
using common::TextToInteger;

namespace {

std::vector<std::string> allFields(const std::string& bytes)
{
    std::istringstream in(bytes);
    FieldReader reader(in);
    std::vector<std::string> fields;
    while (auto field = reader.readText())
        fields.push_back(*field);
    return fields;
}

}  // namespace

TEST(FieldReader, splitsAtCommasAndEveryKindOfLineEnd)
{
    using Fields = std::vector<std::string>;
    struct Row {
        const char* name;
        std::string bytes;
        Fields fields;
    };
    const Row rows[] = {
        {"empty file", "", {}},
        {"lone cr, lf and crlf", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"blanks before and after", "  x \t,\ty  \r\n", {"x", "y"}},
        {"quoted keeps commas and blanks", "\" a,b \",c", {" a,b ", "c"}},
        {"text after closing quote dropped", "\"a\" junk, b\r\nc", {"a", "b", "c"}},
        {"unterminated quote runs to the end", "\"abc", {"abc"}},
        {"empty lines are empty fields", "\r\n\r\nx", {"", "", "x"}},
        {"trailing comma then end", "a,,", {"a", ""}},
        {"cp1252 decoded", "Espa\xF1ol\r\n\x80\x96\x93", {"Español", "€–“"}},
        {"undefined bytes survive", "\x81\x8D", {"\xC2\x81\xC2\x8D"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(allFields(row.bytes), row.fields) << row.name;
}

TEST(FieldReader, readsNoFurtherThanTheFieldAskedFor)
{
    std::istringstream in("first,second\r\nthird");
    FieldReader reader(in);
    ASSERT_EQ(reader.readText(), "first");
    std::string rest;
    std::getline(in, rest, '\0');
    EXPECT_EQ(rest, "second\r\nthird");
}

TEST(FieldReader, numbersAreWholeThirtyTwoBitValues)
{
    struct Row {
        std::string text;
        std::optional<std::int32_t> asField;  // readInteger: anything not a number is 0
        std::optional<std::int32_t> asText;  // TextToInteger: anything not a number fails
    };
    const Row rows[] = {
        {" 16576 ", 16576, 16576},
        {"-5", -5, -5},
        {"abc", 0, std::nullopt},
        {"12abc", 0, std::nullopt},
        {"2.5", 2, 2},  // halves to even
        {"-3.7", -4, -4},
        {"1e3", 1000, 1000},
        {"2147483647", 2147483647, 2147483647},
        {"2147483648", 0, std::nullopt},
        {"- 1", 0, std::nullopt},
        {".", 0, std::nullopt},
    };
    for (const Row& row : rows) {
        std::istringstream in(row.text);
        EXPECT_EQ(FieldReader(in).readInteger(), row.asField) << '"' << row.text << '"';
        EXPECT_EQ(TextToInteger(row.text), row.asText) << '"' << row.text << '"';
    }
    std::istringstream blank("   ");
    EXPECT_EQ(FieldReader(blank).readInteger(), std::nullopt);
    EXPECT_EQ(TextToInteger(""), 0);
}

TEST(FieldReader, overlongFieldFailsInsteadOfGrowing)
{
    const std::string fits(FieldReader::kMaxFieldBytes, 'x');
    EXPECT_EQ(allFields(fits + ",y").size(), 2u);
    const std::string tooLong(FieldReader::kMaxFieldBytes + 1, 'x');
    EXPECT_TRUE(allFields(tooLong).empty());
    EXPECT_TRUE(allFields("\"" + tooLong + "\"").empty());
}

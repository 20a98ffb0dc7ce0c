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
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lone cr and lf", "a\rb\nc", {"a", "b", "c"}},
        {"commas", "a,b,c\r\n", {"a", "b", "c"}},
        {"blanks before and after", "  x \t,\ty  \r\n", {"x", "y"}},
        {"quoted keeps commas and blanks", "\" a,b \",c", {" a,b ", "c"}},
        {"text after closing quote dropped", "\"a\" junk, b\r\nc", {"a", "b", "c"}},
        {"unterminated quote runs to the end", "\"abc", {"abc"}},
        {"empty lines are empty fields", "\r\n\r\nx", {"", "", "x"}},
        {"nothing between commas", "a,,b", {"a", "", "b"}},
        {"trailing comma then end", "a,", {"a"}},
        {"number line", " 16576 \r\n", {"16576"}},
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

TEST(FieldReader, integerFieldsIgnoreBlanksAndReadNonNumbersAsZero)
{
    struct Row {
        std::string bytes;
        std::optional<std::int32_t> value;
    };
    const Row rows[] = {
        {" 16576 \r\n", 16576},
        {"-5 \r\n", -5},
        {"+7", 7},
        {"abc", 0},
        {"\r\n", 0},
        {"12abc", 0},
        {"1.5", 2},
        {"2147483647", 2147483647},
        {"2147483648", 0},
        {"1e3", 1000},
        {"1e10", 0},
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const Row& row : rows) {
        std::istringstream in(row.bytes);
        EXPECT_EQ(FieldReader(in).readInteger(), row.value) << '"' << row.bytes << '"';
    }
}

TEST(FieldReader, textConvertedToIntegerFailsUnlessANumber)
{
    struct Row {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Row rows[] = {
        {"", 0},
        {" 12 ", 12},
        {"-2147483648", -2147483648LL},
        {"abc", std::nullopt},
        {"1.5", 2},
        {"2.5", 2},
        {"-3.7", -4},
        {" 1e3 ", 1000},
        {"12abc", std::nullopt},
        {"2147483648", std::nullopt},
        {"- 1", std::nullopt},
        {"1e400", std::nullopt},
        {".", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TextToInteger(row.text), row.value) << '"' << row.text << '"';
}

TEST(FieldReader, overlongFieldFailsInsteadOfGrowing)
{
    const std::string fits(FieldReader::kMaxFieldBytes, 'x');
    EXPECT_EQ(allFields(fits + ",y").size(), 2u);
    const std::string tooLong(FieldReader::kMaxFieldBytes + 1, 'x');
    EXPECT_TRUE(allFields(tooLong).empty());
    EXPECT_TRUE(allFields("\"" + tooLong + "\"").empty());
}

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
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"", {}},  // an empty file
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},  // CR, LF and CR LF
        {"  x \t,\ty  \r\n", {"x", "y"}},  // blanks around a field
        {"\" a,b \",c", {" a,b ", "c"}},  // quotes keep commas and blanks
        {"\"a\" junk, b\r\nc", {"a", "b", "c"}},  // what follows a closing quote is dropped
        {"\"abc", {"abc"}},  // a quote never closed runs to the end
        {"\r\n\r\nx", {"", "", "x"}},  // empty lines are empty fields
        {"Espa\xF1ol\r\n\x80\x85\x96\x93", {"Español", "€…–“"}},  // Windows-1252
        {"\x81\x8D", {"\xC2\x81\xC2\x8D"}},  // bytes it leaves undefined survive
    };
    for (const auto& [bytes, fields] : rows)
        EXPECT_EQ(allFields(bytes), fields) << '"' << bytes << '"';

    const std::string fits(FieldReader::kMaxFieldBytes, 'x');
    EXPECT_EQ(allFields(fits + ",y").size(), 2u);
    // One byte more, quoted or not, fails rather than grow without end.
    EXPECT_TRUE(allFields(fits + "x").empty());
    EXPECT_TRUE(allFields("\"" + fits + "x\"").empty());
    EXPECT_TRUE(allFields(std::string(FieldReader::kMaxFieldBytes + 1, ' ') + "x").empty());
    EXPECT_TRUE(allFields("\"a\"" + fits).empty());  // what follows a closing quote counts too
}

TEST(FieldReader, numbersAreWholeThirtyTwoBitValues)
{
    // The text; read as a field, where anything not a number is 0; converted as text, where it fails.
    const std::tuple<std::string, std::optional<std::int32_t>, std::optional<std::int32_t>> rows[] = {
        {" 16576 ", 16576, 16576},
        {"abc", 0, std::nullopt},
        {"12abc", 0, std::nullopt},
        {"2.5", 2, 2},  // halves to even
        {"-3.7", -4, -4},
        {"2147483647", 2147483647, 2147483647},
        {"2147483648", 0, std::nullopt},
    };
    for (const auto& [text, asField, asText] : rows) {
        std::istringstream in(text);
        EXPECT_EQ(FieldReader(in).readInteger(), asField) << '"' << text << '"';
        EXPECT_EQ(TextToInteger(text), asText) << '"' << text << '"';
    }
}

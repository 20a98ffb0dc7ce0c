#include "settings/settings_texts.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace settings;

TEST(SettingsLanguages, listEntriesAndLanguagePathsMapBothWays)
{
    EXPECT_EQ(LanguagePathFor("English"), "Default");
    EXPECT_EQ(LanguagePathFor("Español"), "Español\\Español.ini");
    EXPECT_EQ(LanguagePathFor("Português (Brasil)"), "Português (Brasil)\\Português (Brasil).ini");

    struct Row {
        const char* path;
        std::optional<std::string_view> entry;
    };
    const Row rows[] = {
        {"Default", "English"},
        {"DEFAULT", "English"},
        {"dEfAuLt", "English"},
        {"Español\\Español.ini", "Español"},
        {"Español\\other.ini", "Español"},
        {"Português (Brasil)\\Português (Brasil).ini", "Português (Brasil)"},
        {"Klingon\\Klingon.ini", std::nullopt},
        {"Español.ini", std::nullopt},
        {"", std::nullopt},
        {"English\\English.ini", "English"},
        {"\\Español.ini", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LanguageEntryFor(row.path), row.entry) << row.path;
}

TEST(SettingsColours, valuesBeforeABadOneAreKept)
{
    const auto read = [](const std::string& bytes) {
        std::istringstream in(bytes);
        return ReadColoursForEditing(in);
    };
    const std::string values =
        " 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\n 13 \r\n";

    const auto complete = read(";h\r\n" + values);
    ASSERT_TRUE(complete && complete->complete);
    EXPECT_EQ(complete->colours[12], common::DisplayColour {13});

    for (const std::string bad : {"abc", " 16777216 ", "-1"}) {
        const auto partial = read(";h\r\n 1 \r\n 2 \r\n\r\n" + bad +
            "\r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\n 13 \r\n");
        ASSERT_TRUE(partial.has_value()) << bad;
        EXPECT_FALSE(partial->complete) << bad;
        EXPECT_EQ(partial->colours[0], common::DisplayColour {1}) << bad;
        EXPECT_EQ(partial->colours[2], common::DisplayColour {0}) << bad;  // an empty field is 0
        EXPECT_FALSE(partial->colours[3].has_value()) << bad;
        EXPECT_FALSE(partial->colours[12].has_value()) << bad;
    }
    EXPECT_FALSE(read(";h\r\n 1 \r\n 2 \r\n").has_value());

    // Unlike Bandwise, Settings reads the body colour as text too: a bad one is a failure.
    const auto badBody =
        read(";h\r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n 11 \r\n 12 \r\nabc\r\n");
    ASSERT_TRUE(badBody.has_value());
    EXPECT_FALSE(badBody->complete);
    EXPECT_EQ(badBody->colours[11], common::DisplayColour {12});
    EXPECT_FALSE(badBody->colours[12].has_value());
}

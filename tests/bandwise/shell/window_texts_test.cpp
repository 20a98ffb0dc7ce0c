#include "bandwise/shell/window_texts.h"

#include <gtest/gtest.h>

TEST(WindowTexts, holdTheBuiltInEnglishTexts)
{
    const bandwise::WindowTexts texts;
    EXPECT_FALSE(texts.Language_Changed);
    EXPECT_EQ(texts.Language_Name, "");
    const std::array<std::string, 12> names = {
        "Black", "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "Grey", "White", "Gold", "Silver"};
    EXPECT_EQ(texts.Colour_Names, names);
    EXPECT_EQ(texts.None_Name, "None");
    EXPECT_EQ(texts.Too_Few_Values_Message, "Please specify at least two variables to determine the other two.");
    EXPECT_EQ(texts.Bad_Values_Message,
        "Please check that the specified values are correct and no value is equal to zero(0).");
    EXPECT_EQ(texts.Settings_Load_Error_Message,
        "Bandwise encountered an error while loading its settings.\r\n\r\nIf this error happens again, delete "
        "the settings file(s) (\"Settings.ini\" and/or \"Colours.ini\") present in the same directory in which "
        "this program is present.");
    EXPECT_EQ(texts.Settings_Save_Error_Message,
        "Bandwise encountered an error while saving its settings.\r\n\r\nMake sure you have write-access to "
        "the directory in which this program is present.");
}

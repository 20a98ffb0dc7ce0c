#include "bandwise/encoding/encoding_refresh.h"
#include "bandwise/shell/window_texts.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace bandwise;
using common::BandColour;
using common::BandScheme;
using common::DisplayColour;

namespace {

using Lists = std::array<std::string, kEncodingRowCount>;

const std::function<std::string(std::string_view)> kAsciiUpper = [](std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
};

struct Refresh {
    WindowTexts texts;
    common::BandPalette palette = common::DefaultPalette();
    std::string separator = ".";

    EncodingOutput operator()(const Lists& lists, BandScheme scheme) const
    {
        return ComputeEncodingRefresh(
            {lists, scheme, texts.Colour_Names, texts.None_Name, palette, separator, kAsciiUpper});
    }
};

DisplayColour paletteColour(BandColour colour)
{
    return common::DefaultPalette()[colour];
}

}  // namespace

TEST(EncodingRefresh, everyListTextShowsItsColourWordAndPaintsItsSwatch)
{
    struct Row {
        const char* name;
        EncodingRow row;
        std::string text;
        BandScheme scheme;
        std::string word;
        int swatch;
        DisplayColour colour;
    };
    std::vector<Row> rows;
    const std::pair<const char*, BandColour> digits[] = {{"BLACK", BandColour::Black}, {"BROWN", BandColour::Brown},
        {"RED", BandColour::Red}, {"ORANGE", BandColour::Orange}, {"YELLOW", BandColour::Yellow},
        {"GREEN", BandColour::Green}, {"BLUE", BandColour::Blue}, {"VIOLET", BandColour::Violet},
        {"GREY", BandColour::Grey}, {"WHITE", BandColour::White}};
    for (EncodingRow row : {FirstDigitRow, SecondDigitRow, ThirdDigitRow}) {
        for (int d = 0; d < 10; ++d)
            rows.push_back({"digit", row, std::to_string(d), BandScheme::FiveBand, digits[d].first, row,
                paletteColour(digits[d].second)});
    }
    const std::pair<const char*, BandColour> multipliers[] = {{"0", BandColour::Black}, {"1", BandColour::Brown},
        {"2", BandColour::Red}, {"3", BandColour::Orange}, {"4", BandColour::Yellow}, {"5", BandColour::Green},
        {"6", BandColour::Blue}, {"7", BandColour::Violet}, {"x0.1", BandColour::Gold}, {"x0.01", BandColour::Silver}};
    for (const auto& [text, colour] : multipliers) {
        const std::string word = kAsciiUpper(common::CanonicalNameOf(colour));
        rows.push_back({"multiplierFourBand", MultiplierRow, text, BandScheme::FourBand, word, ThirdDigitRow,
            paletteColour(colour)});
        rows.push_back({"multiplierFiveBand", MultiplierRow, text, BandScheme::FiveBand, word, MultiplierRow,
            paletteColour(colour)});
        rows.push_back({"multiplierSixBand", MultiplierRow, text, BandScheme::SixBand, word, MultiplierRow,
            paletteColour(colour)});
    }
    const std::pair<const char*, BandColour> tolerances[] = {{"±1%", BandColour::Brown}, {"±2%", BandColour::Red},
        {"±0.5%", BandColour::Green}, {"±0.25%", BandColour::Blue}, {"±0.10%", BandColour::Violet},
        {"±0.05%", BandColour::Grey}, {"±5%", BandColour::Gold}, {"±10%", BandColour::Silver}};
    for (const auto& [text, colour] : tolerances) {
        rows.push_back({"tolerance", ToleranceRow, text, BandScheme::FourBand,
            kAsciiUpper(common::CanonicalNameOf(colour)), ToleranceRow, paletteColour(colour)});
    }
    rows.push_back({"noToleranceBand", ToleranceRow, "±20%", BandScheme::FourBand, "NONE", ToleranceRow,
        common::DefaultPalette().body});
    const std::pair<const char*, BandColour> tempcos[] = {{"100 ppm", BandColour::Brown}, {"50 ppm", BandColour::Red},
        {"15 ppm", BandColour::Orange}, {"25 ppm", BandColour::Yellow}};
    for (const auto& [text, colour] : tempcos) {
        for (BandScheme scheme : {BandScheme::FourBand, BandScheme::SixBand}) {
            rows.push_back({"tempco", TempcoRow, text, scheme, kAsciiUpper(common::CanonicalNameOf(colour)), TempcoRow,
                paletteColour(colour)});
        }
    }

    const Refresh refresh;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " \"" + row.text + "\"");
        Lists lists;
        lists[row.row] = row.text;
        const EncodingOutput out = refresh(lists, row.scheme);
        for (int i = 0; i < kEncodingRowCount; ++i) {
            EXPECT_EQ(out.boxTexts[i], i == row.row ? std::optional<std::string>(row.word) : std::nullopt) << i;
            EXPECT_EQ(out.swatchColours[i], i == row.swatch ? std::optional(row.colour) : std::nullopt) << i;
        }
    }
}

TEST(EncodingRefresh, valueTextJoinsDigitsAppliesFactorAndAppendsTolerance)
{
    struct Row {
        const char* name;
        BandScheme scheme;
        Lists lists;  // band1, band2, band3, mul, tol, tempco
        std::string separator;
        std::string expected;
    };
    const Row rows[] = {
        {"nothingSelected", BandScheme::FourBand, {}, ".", "0"},
        {"fourBand4700", BandScheme::FourBand, {"4", "7", "", "2", "±5%", ""}, ".", "4700±5%"},
        {"tenthFactor", BandScheme::FourBand, {"4", "7", "", "x0.1", "±5%", ""}, ".", "4.7±5%"},
        {"hundredthFactor", BandScheme::FourBand, {"4", "7", "", "x0.01", "±5%", ""}, ".", "0.47±5%"},
        {"fiveBand100k", BandScheme::FiveBand, {"1", "0", "0", "3", "±1%", ""}, ".", "100000±1%"},
        {"sixBandSameAsFive", BandScheme::SixBand, {"1", "0", "0", "3", "±1%", "50 ppm"}, ".", "100000±1%"},
        {"noBandTolerance", BandScheme::FourBand, {"4", "7", "", "1", "±20%", ""}, ".", "470±20%"},
        {"thirdDigitIgnoredInFourBand", BandScheme::FourBand, {"4", "7", "9", "", "", ""}, ".", "47"},
        {"emptySecondDigitDropsOut", BandScheme::FourBand, {"4", "", "", "2", "", ""}, ".", "400"},
        {"leadingZeroVanishes", BandScheme::FourBand, {"0", "5", "", "", "", ""}, ".", "5"},
        {"largest", BandScheme::FiveBand, {"9", "9", "9", "7", "±0.05%", ""}, ".", "9990000000±0.05%"},
        {"localeSeparator", BandScheme::FourBand, {"4", "7", "", "x0.1", "±0.5%", ""}, ",", "4,7±0.5%"},
    };
    for (const Row& row : rows) {
        Refresh refresh;
        refresh.separator = row.separator;
        EXPECT_EQ(refresh(row.lists, row.scheme).resValue, row.expected) << row.name;
    }
}

TEST(EncodingRefresh, fourBandMultiplierPaintsOverTheThirdDigit)
{
    const Refresh refresh;
    Lists lists = {"1", "0", "5", "", "", ""};
    EncodingOutput out = refresh(lists, BandScheme::FourBand);
    EXPECT_EQ(out.boxTexts[ThirdDigitRow], "GREEN");
    EXPECT_EQ(out.swatchColours[ThirdDigitRow], paletteColour(BandColour::Green));

    lists[MultiplierRow] = "3";
    out = refresh(lists, BandScheme::FourBand);
    EXPECT_EQ(out.boxTexts[ThirdDigitRow], "GREEN");
    EXPECT_EQ(out.boxTexts[MultiplierRow], "ORANGE");
    EXPECT_EQ(out.swatchColours[ThirdDigitRow], paletteColour(BandColour::Orange));
    EXPECT_FALSE(out.swatchColours[MultiplierRow].has_value());
}

TEST(EncodingRefresh, namesAndPaletteComeFromTheirOwners)
{
    Refresh refresh;
    refresh.texts.Colour_Names[common::OrdinalOf(BandColour::Gold)] = "Oro";
    refresh.texts.None_Name = "Ninguna";
    refresh.palette.bands[common::OrdinalOf(BandColour::Gold)] = DisplayColour {0x123456};
    refresh.palette.body = DisplayColour {0x654321};

    const EncodingOutput gold = refresh({"", "", "", "x0.1", "±5%", ""}, BandScheme::FiveBand);
    EXPECT_EQ(gold.boxTexts[MultiplierRow], "ORO");
    EXPECT_EQ(gold.boxTexts[ToleranceRow], "ORO");
    EXPECT_EQ(gold.swatchColours[MultiplierRow], DisplayColour {0x123456});

    const EncodingOutput none = refresh({"", "", "", "", "±20%", ""}, BandScheme::FiveBand);
    EXPECT_EQ(none.boxTexts[ToleranceRow], "NINGUNA");
    EXPECT_EQ(none.swatchColours[ToleranceRow], DisplayColour {0x654321});
}

TEST(EncodingRefresh, textsMatchingNoItemLeaveTheirOutputsAlone)
{
    const Refresh refresh;
    const Lists unknown = {"10", "a", " 7", "8", "±20 %", "100ppm"};
    const EncodingOutput out = refresh(unknown, BandScheme::SixBand);
    for (int i = 0; i < kEncodingRowCount; ++i) {
        EXPECT_FALSE(out.boxTexts[i].has_value()) << i;
        EXPECT_FALSE(out.swatchColours[i].has_value()) << i;
    }
}

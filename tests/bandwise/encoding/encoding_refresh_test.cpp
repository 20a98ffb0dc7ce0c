#include "band_meanings.h"
#include "bandwise/encoding/encoding_refresh.h"
#include "bandwise/shell/window_texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>

using namespace bandwise;
using common::BandColour;
using common::BandScheme;

namespace {

using Lists = std::array<std::string, kEncodingRowCount>;

std::string asciiUpper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

struct Refresh {
    WindowTexts texts;
    common::BandPalette palette = common::DefaultPalette();
    std::string separator = ".";

    EncodingOutput operator()(const Lists& lists, BandScheme scheme) const
    {
        static const std::function<std::string(std::string_view)> upper = asciiUpper;
        return ComputeEncodingRefresh({lists, scheme, texts.Colour_Names, texts.None_Name, palette, separator, upper});
    }
};

// The list item that stands for a colour in a row, as the colour code writes it.
std::optional<std::string> itemFor(EncodingRow row, const testsupport::BandMeaning& meaning)
{
    switch (row) {
    case MultiplierRow:
        if (meaning.factor)
            return *meaning.factor == 0.1 ? "x0.1" : "x0.01";
        return meaning.exponent ? std::optional(std::to_string(*meaning.exponent)) : std::nullopt;
    case ToleranceRow:
        return meaning.tolerance;
    case TempcoRow:
        return meaning.tempco;
    default:
        return meaning.digit ? std::optional(std::to_string(*meaning.digit)) : std::nullopt;
    }
}

}  // namespace

TEST(EncodingRefresh, everyItemShowsItsColourWordAndPaintsItsSwatch)
{
    Refresh refresh;
    refresh.texts.Colour_Names[common::OrdinalOf(BandColour::Gold)] = "Oro";  // the words come from the language
    for (EncodingRow row : {FirstDigitRow, ThirdDigitRow, MultiplierRow, ToleranceRow, TempcoRow}) {
        for (const testsupport::BandMeaning& meaning : testsupport::BandMeanings()) {
            const std::optional<std::string> item = itemFor(row, meaning);
            if (!item)
                continue;
            SCOPED_TRACE(*item + " in row " + std::to_string(row));
            Lists lists;
            lists[row] = *item;
            const EncodingOutput out = refresh(lists, BandScheme::SixBand);
            const std::string word = asciiUpper(refresh.texts.Colour_Names[common::OrdinalOf(meaning.colour)]);
            for (int i = 0; i < kEncodingRowCount; ++i) {
                EXPECT_EQ(out.boxTexts[i], i == row ? std::optional(word) : std::nullopt) << i;
                EXPECT_EQ(
                    out.swatchColours[i], i == row ? std::optional(refresh.palette[meaning.colour]) : std::nullopt);
            }
        }
    }
    refresh.texts.None_Name = "Ninguna";
    Lists none;
    none[ToleranceRow] = testsupport::kNoBandTolerance;
    const EncodingOutput out = refresh(none, BandScheme::FourBand);
    EXPECT_EQ(out.boxTexts[ToleranceRow], "NINGUNA");
    EXPECT_EQ(out.swatchColours[ToleranceRow], refresh.palette.body);  // no band: the stripe is body-coloured
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
        {"fourBand4700", BandScheme::FourBand, {"4", "7", "9", "2", "±5%", ""}, ".", "4700±5%"},
        {"hundredthFactor", BandScheme::FourBand, {"4", "7", "", "x0.01", "", ""}, ".", "0.47"},
        {"sixBandAsFive", BandScheme::SixBand, {"1", "0", "0", "3", "±1%", "50 ppm"}, ".", "100000±1%"},
        {"emptySecondDigitDropsOut", BandScheme::FourBand, {"4", "", "", "2", "", ""}, ".", "400"},
        {"leadingZeroVanishes", BandScheme::FiveBand, {"0", "0", "5", "", "", ""}, ".", "5"},
        {"largest", BandScheme::FiveBand, {"9", "9", "9", "7", "", ""}, ".", "9990000000"},
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
    const EncodingOutput out = refresh({"1", "0", "5", "3", "", ""}, BandScheme::FourBand);
    EXPECT_EQ(out.boxTexts[ThirdDigitRow], "GREEN");
    EXPECT_EQ(out.boxTexts[MultiplierRow], "ORANGE");
    EXPECT_EQ(out.swatchColours[ThirdDigitRow], refresh.palette[BandColour::Orange]);
    EXPECT_FALSE(out.swatchColours[MultiplierRow].has_value());
}

TEST(EncodingRefresh, textsMatchingNoItemLeaveTheirOutputsAlone)
{
    const EncodingOutput out = Refresh()({"10", "a", " 7", "8", "±20 %", "100ppm"}, BandScheme::SixBand);
    for (int i = 0; i < kEncodingRowCount; ++i) {
        EXPECT_FALSE(out.boxTexts[i].has_value()) << i;
        EXPECT_FALSE(out.swatchColours[i].has_value()) << i;
    }
}

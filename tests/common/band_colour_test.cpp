#include "common/band_colour.h"
#include "common/display_colour.h"

#include <gtest/gtest.h>

#include <string>

using namespace common;

namespace {

struct ColourRow {
    BandColour colour;
    std::string name;
    std::optional<int> digit;
    std::optional<Multiplier> multiplier;
    std::optional<std::string> tolerance;
    std::optional<std::string> tempco;
};

const std::optional<Multiplier> e(int exponent)
{
    return Multiplier::fromExponent(exponent);
}
const std::optional<Multiplier> f(double factor)
{
    return Multiplier::fromFactor(factor);
}

// The meaning of every colour in every position, written out independently of the code's table.
const ColourRow kRows[] = {
    {BandColour::Black, "Black", 0, e(0), std::nullopt, std::nullopt},
    {BandColour::Brown, "Brown", 1, e(1), "±1%", "100 ppm"},
    {BandColour::Red, "Red", 2, e(2), "±2%", "50 ppm"},
    {BandColour::Orange, "Orange", 3, e(3), std::nullopt, "15 ppm"},
    {BandColour::Yellow, "Yellow", 4, e(4), std::nullopt, "25 ppm"},
    {BandColour::Green, "Green", 5, e(5), "±0.5%", std::nullopt},
    {BandColour::Blue, "Blue", 6, e(6), "±0.25%", std::nullopt},
    {BandColour::Violet, "Violet", 7, e(7), "±0.10%", std::nullopt},
    {BandColour::Grey, "Grey", 8, std::nullopt, "±0.05%", std::nullopt},
    {BandColour::White, "White", 9, std::nullopt, std::nullopt, std::nullopt},
    {BandColour::Gold, "Gold", std::nullopt, f(0.1), "±5%", std::nullopt},
    {BandColour::Silver, "Silver", std::nullopt, f(0.01), "±10%", std::nullopt},
};

std::optional<std::string> owned(std::optional<std::string_view> text)
{
    return text ? std::optional<std::string>(std::string(*text)) : std::nullopt;
}

}  // namespace

TEST(BandColourTable, everyColourHasItsMeaningInEachPosition)
{
    int ordinal = 0;
    for (const ColourRow& row : kRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(OrdinalOf(row.colour), ordinal);
        EXPECT_EQ(BandColourFromOrdinal(ordinal), row.colour);
        EXPECT_EQ(CanonicalNameOf(row.colour), row.name);
        EXPECT_EQ(BandColourFromName(row.name), row.colour);
        EXPECT_EQ(DigitOf(row.colour), row.digit);
        EXPECT_EQ(MultiplierOf(row.colour), row.multiplier);
        EXPECT_EQ(owned(ToleranceTextOf(row.colour)), row.tolerance);
        EXPECT_EQ(owned(TempcoTextOf(row.colour)), row.tempco);
        ++ordinal;
    }
    EXPECT_EQ(ordinal, kBandColourCount);
}

TEST(BandColourTable, noToleranceBandReadsTwentyPercent)
{
    EXPECT_EQ(owned(ToleranceTextOf(ToleranceChoice::None())), "±20%");
    EXPECT_TRUE(ToleranceChoice::None().isNone());
    EXPECT_FALSE(ToleranceChoice(BandColour::Gold).isNone());
    EXPECT_NE(ToleranceChoice::None(), ToleranceChoice(BandColour::Black));
}

TEST(BandColourTable, unknownNamesAndOrdinalsHaveNoColour)
{
    for (const char* name : {"", "black", "BLACK", "None", "Gray", "Black "})
        EXPECT_FALSE(BandColourFromName(name).has_value()) << name;
    for (int ordinal : {-1, 12, 1000})
        EXPECT_FALSE(BandColourFromOrdinal(ordinal).has_value()) << ordinal;
}

TEST(DefaultPalette, holdsTheBuiltInColoursAsBlueGreenRed)
{
    const BandPalette palette = DefaultPalette();
    const int decimals[] = {
        0, 16576, 255, 33023, 65535, 65280, 16711680, 12583104, 12632256, 16777215, 49344, 14737632};
    for (int i = 0; i < kBandColourCount; ++i)
        EXPECT_EQ(palette.bands[i].value, decimals[i]) << CanonicalNameOf(*BandColourFromOrdinal(i));
    EXPECT_EQ(palette.body.value, 9823999);
    EXPECT_EQ(palette.body, DisplayColour::fromRgb(255, 230, 149));
    EXPECT_EQ(palette[BandColour::Brown].red(), 192);
    EXPECT_EQ(palette[BandColour::Brown].green(), 64);
    EXPECT_EQ(palette[BandColour::Brown].blue(), 0);
}

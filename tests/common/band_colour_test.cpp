#include "band_meanings.h"
#include "common/band_colour.h"
#include "common/display_colour.h"

#include <gtest/gtest.h>

using namespace common;

TEST(BandColourTable, everyColourMeansWhatTheColourCodeSays)
{
    ASSERT_EQ(testsupport::BandMeanings().size(), std::size_t(kBandColourCount));
    int ordinal = 0;
    for (const testsupport::BandMeaning& row : testsupport::BandMeanings()) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(BandColourFromOrdinal(ordinal++), row.colour);
        EXPECT_EQ(CanonicalNameOf(row.colour), row.name);
        EXPECT_EQ(BandColourFromName(row.name), row.colour);
        EXPECT_EQ(DigitOf(row.colour), row.digit);
        const std::optional<Multiplier> multiplier = MultiplierOf(row.colour);
        if (row.exponent)
            EXPECT_EQ(multiplier, Multiplier::fromExponent(*row.exponent));
        else if (row.factor)
            EXPECT_EQ(multiplier, Multiplier::fromFactor(*row.factor));
        else
            EXPECT_FALSE(multiplier.has_value());
        EXPECT_EQ(ToleranceTextOf(row.colour), row.tolerance);
        EXPECT_EQ(TempcoTextOf(row.colour), row.tempco);
    }
    EXPECT_EQ(ToleranceTextOf(ToleranceChoice::None()), std::optional(testsupport::kNoBandTolerance));
    EXPECT_FALSE(BandColourFromOrdinal(-1).has_value());
    EXPECT_FALSE(BandColourFromOrdinal(kBandColourCount).has_value());
    EXPECT_FALSE(BandColourFromName("black").has_value());
}

TEST(DisplayColour, keepsRedInTheLowByteAsTheColourFilesDo)
{
    const DisplayColour brown {16576};  // 0x0040C0, as Colours.ini stores Brown
    EXPECT_EQ(brown.red(), 192);
    EXPECT_EQ(brown.green(), 64);
    EXPECT_EQ(brown.blue(), 0);
    EXPECT_EQ(DisplayColour::fromRgb(192, 64, 0), brown);
    EXPECT_EQ(DefaultPalette().body, DisplayColour::fromRgb(255, 230, 149));
}

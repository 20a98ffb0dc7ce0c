#include "band_meanings.h"
#include "common/band_colour.h"

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

#include "common/band_colour.h"

#include <gtest/gtest.h>

using namespace common;

TEST(BandColourTable, everyColourSaysWhatTheColourCodeSaysOnEachKindOfStripe)
{
    // Black to Silver, "-" where a colour means nothing on that kind of stripe.
    const std::pair<StripeKind, std::string_view> rows[] = {
        {StripeKind::Digit, "0|1|2|3|4|5|6|7|8|9|-|-"},
        {StripeKind::Multiplier, "x1|x10|x100|x1000|x10000|x100000|x1000000|x10000000|-|-|x0.1|x0.01"},
        {StripeKind::Tolerance, "-|±1%|±2%|-|-|±0.5%|±0.25%|±0.10%|±0.05%|-|±5%|±10%"},
        {StripeKind::Tempco, "-|100 ppm|50 ppm|15 ppm|25 ppm|-|-|-|-|-|-|-"},
    };
    for (const auto& [kind, expected] : rows) {
        std::string said;
        for (BandColour colour : kAllBandColours)
            said += (colour == BandColour::Black ? "" : "|") + MeaningOn(kind, colour).value_or("-");
        EXPECT_EQ(said, expected);
    }
    EXPECT_EQ(ToleranceTextOf(ToleranceChoice::None()), "±20%");
    EXPECT_EQ(ToleranceOf(BandColour::Violet), (TolerancePercent {10, -2}));
    // Options and list items carry a choice as its id, the colours' ordinals and one for no band.
    for (int id = -1; id <= kBandColourCount + 1; ++id) {
        const std::optional<ToleranceChoice> choice = ToleranceChoice::fromId(id);
        EXPECT_EQ(choice ? std::optional(choice->id()) : std::nullopt,
            id < 0 || id > kBandColourCount ? std::nullopt : std::optional(id));
        EXPECT_EQ(BandColourFromOrdinal(id).has_value(), id >= 0 && id < kBandColourCount);
    }
    EXPECT_EQ(CanonicalNameOf(BandColour::Grey), "Grey");
}

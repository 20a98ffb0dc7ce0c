#include "bandwise/decoding/colour_options.h"

namespace bandwise {

namespace {

using common::BandColour;
using common::OrdinalOf;

constexpr int id(BandColour colour)
{
    return OrdinalOf(colour);
}

}  // namespace

const std::array<ColourGroup, 6>& DecodingColourGroups()
{
    static const std::array<ColourGroup, 6> groups = {{
        {BandPosition::First, "band1", "First Band",
            {{"bl1", id(BandColour::Black), "Shape1"}, {"br1", id(BandColour::Brown), "Shape2"},
                {"re1", id(BandColour::Red), "Shape3"}, {"or1", id(BandColour::Orange), "Shape4"},
                {"ye1", id(BandColour::Yellow), "Shape5"}, {"gr1", id(BandColour::Green), "Shape6"},
                {"bu1", id(BandColour::Blue), "Shape7"}, {"vi1", id(BandColour::Violet), "Shape8"},
                {"ge1", id(BandColour::Grey), "Shape9"}, {"wh1", id(BandColour::White), "Shape10"}}},
        {BandPosition::Second, "band2", "Second Band",
            {{"bl2", id(BandColour::Black), "Shape24"}, {"br2", id(BandColour::Brown), "Shape23"},
                {"re2", id(BandColour::Red), "Shape22"}, {"or2", id(BandColour::Orange), "Shape21"},
                {"ye2", id(BandColour::Yellow), "Shape20"}, {"gr2", id(BandColour::Green), "Shape19"},
                {"bu2", id(BandColour::Blue), "Shape18"}, {"vi2", id(BandColour::Violet), "Shape17"},
                {"ge2", id(BandColour::Grey), "Shape16"}, {"wh2", id(BandColour::White), "Shape15"}}},
        {BandPosition::Third, "band3", "Third Band",
            {{"bl3", id(BandColour::Black), "Shape36"}, {"br3", id(BandColour::Brown), "Shape35"},
                {"re3", id(BandColour::Red), "Shape34"}, {"or3", id(BandColour::Orange), "Shape33"},
                {"ye3", id(BandColour::Yellow), "Shape32"}, {"gr3", id(BandColour::Green), "Shape31"},
                {"bu3", id(BandColour::Blue), "Shape30"}, {"vi3", id(BandColour::Violet), "Shape29"},
                {"ge3", id(BandColour::Grey), "Shape28"}, {"wh3", id(BandColour::White), "Shape27"}}},
        {BandPosition::Multiplier, "mul", "Multiplier",
            {{"blm", id(BandColour::Black), "Shape48"}, {"brm", id(BandColour::Brown), "Shape47"},
                {"redm", id(BandColour::Red), "Shape46"}, {"orm", id(BandColour::Orange), "Shape45"},
                {"yem", id(BandColour::Yellow), "Shape44"}, {"grm", id(BandColour::Green), "Shape43"},
                {"bum", id(BandColour::Blue), "Shape42"}, {"vim", id(BandColour::Violet), "Shape41"},
                {"gom", id(BandColour::Gold), "Shape38"}, {"sim", id(BandColour::Silver), "Shape37"}}},
        {BandPosition::Tolerance, "tol", "Tolerance",
            {{"brt", id(BandColour::Brown), "Shape59"}, {"ret", id(BandColour::Red), "Shape58"},
                {"grt", id(BandColour::Green), "Shape55"}, {"but", id(BandColour::Blue), "Shape54"},
                {"vit", id(BandColour::Violet), "Shape53"}, {"gret", id(BandColour::Grey), "Shape52"},
                {"got", id(BandColour::Gold), "Shape50"}, {"sit", id(BandColour::Silver), "Shape49"},
                {"nont", kNoToleranceBandId, "Shape11"}}},
        {BandPosition::Tempco, "tempco", "Temp. Coefficient",
            {{"brtc", id(BandColour::Brown), "Shape40"}, {"retc", id(BandColour::Red), "Shape51"},
                {"ortc", id(BandColour::Orange), "Shape39"}, {"yetc", id(BandColour::Yellow), "Shape56"}}},
    }};
    return groups;
}

}  // namespace bandwise

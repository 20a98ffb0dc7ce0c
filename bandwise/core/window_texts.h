#pragma once

#include "common/band_colour.h"

#include <array>
#include <string>

namespace bandwise {

// The main window's translatable texts that panels read when they need them. They hold the
// built-in English values from the moment the window exists; only the language loading
// replaces them, once, at start-up.
struct WindowTexts {
    bool Language_Changed = false;
    std::string Language_Name;
    std::array<std::string, common::kBandColourCount> Colour_Names = BuiltInColourNames();
    std::string None_Name = "None";
    std::string Too_Few_Values_Message = "Please specify at least two variables to determine the other two.";
    std::string Bad_Values_Message =
        "Please check that the specified values are correct and no value is equal to zero(0).";
    std::string Settings_Load_Error_Message =
        "Bandwise encountered an error while loading its settings.\r\n\r\n"
        "If this error happens again, delete the settings file(s) (\"Settings.ini\" and/or \"Colours.ini\") "
        "present in the same directory in which this program is present.";
    std::string Settings_Save_Error_Message =
        "Bandwise encountered an error while saving its settings.\r\n\r\n"
        "Make sure you have write-access to the directory in which this program is present.";
    // Empty until a language file supplies them; the About dialog keeps its own captions meanwhile.
    std::array<std::string, 9> About_Texts {};

    static std::array<std::string, common::kBandColourCount> BuiltInColourNames();
};

}  // namespace bandwise

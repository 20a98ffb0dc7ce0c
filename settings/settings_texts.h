#pragma once

#include "common/code_page.h"
#include "common/display_colour.h"
#include "common/file_places.h"

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// The window-level strings of the Settings program; a settings caption file may replace them.
struct SettingsTexts {
    std::string Settings_Title = "Settings";
    std::string Language_Saved_Message =
        "Language settings saved successfully. Changes will take affect after restarting the program.";
    std::string Colours_Read_Error_Message =
        "An error is encountered while processing \"Colours.ini\" file.\r\n\r\nTo avoid this error in future replace "
        "this file with a new one using this program.";
    std::string Colours_Saved_Message =
        "Colour settings saved successfully.  Changes will take affect after restarting the program.";
    std::string Colours_Save_Error_Message =
        "An error is encountered while saving \"Colours.ini\" file.\r\n\r\nMake sure that you have write-access to "
        "directory containing this program and no other appication is using the file.";

    // Every message box of the program carries this title.
    std::string messageTitle() const { return Settings_Title + " - Bandwise"; }
};

// Fixed texts, never taken from a caption file.
inline constexpr std::string_view kLanguageIniReadError =
    "An error is encountered while processing \"Language.ini\" file.\r\n\r\nTo avoid this error in future replace this "
    "file with a new one using this program.";
inline constexpr std::string_view kCaptionFileError =
    "An error is encountered while loading language files.\r\n\r\nRe-downloading the package may solve the problem.";
inline constexpr std::string_view kLanguageIniSaveError =
    "An error is encountered while saving \"Language.ini\" file.\r\n\r\nMake sure that you have write-access to "
    "directory containing this program and no other appication is using the file.";

// Line 2 of Language.ini for a list entry: "Default" for English, otherwise F\F.ini for the
// entry's folder F.
std::string LanguagePathFor(std::string_view entry);

// The list entry that line 2 of Language.ini names: one of the shipped languages, or the folder
// name of a language the user added by hand; nullopt when the file is damaged.
std::optional<std::string> LanguageEntryFor(std::string_view languagePath);

// Colours.ini as Settings reads it: the thirteen colours, or the colours converted before a
// value that is not a colour (with `complete` false). nullopt when the file has too few fields.
struct ColoursRead {
    std::array<std::optional<common::DisplayColour>, common::kBandColourCount + 1> colours {};
    bool complete = false;
};
std::optional<ColoursRead> ReadColoursForEditing(std::istream& in);

// The caption file of one language, read whole: 25 fields.
inline constexpr int kCaptionFieldCount = 25;
using CaptionFields = std::array<std::string, kCaptionFieldCount>;
// Fields 1 and 2 are the file's own comments.
inline constexpr std::size_t kUnusedCaptionFields = 2;
std::optional<CaptionFields> ReadCaptionFields(
    std::istream& in, common::TextEncoding encoding = common::TextEncoding::Windows1252);
std::filesystem::path CaptionFilePath(const common::FilePlaces& places, std::string_view entry);
void ApplyCaptionTexts(const CaptionFields& fields, SettingsTexts& texts);

}  // namespace settings

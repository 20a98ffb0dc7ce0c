#pragma once

#include "common/code_page.h"
#include "common/display_colour.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// The three small files both programs keep in their own directory, as data: their names, their
// fixed comment lines, how each is read and the exact bytes each is written as.

inline constexpr std::string_view kSettingsFileName = "Settings.ini";
inline constexpr std::string_view kColoursFileName = "Colours.ini";
inline constexpr std::string_view kLanguageFileName = "Language.ini";
// One folder per language below the program directory.
inline constexpr std::string_view kLanguageFilesDirectory = "Language Files";

inline constexpr std::string_view kColoursHeader = ";Bandwise - Colour Settings";
inline constexpr std::string_view kColoursFooter =
    ";Order in which colours should be specified: Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, "
    "White, Gold, Silver, Resistor Body Color.";
inline constexpr std::string_view kLanguageHeader = ";Bandwise - Language Settings";
inline constexpr std::string_view kLanguageFooter =
    ";Should contain the relative path of the language file with extension present in \"Language Files\" "
    "directory.";

// Line 2 of Language.ini that selects the built-in English texts, in any letter case.
inline constexpr std::string_view kDefaultLanguage = "Default";
bool IsDefaultLanguage(std::string_view languagePath);

// What a line 2 other than "Default" names: a language, by the text before the first backslash,
// whose file lies below "Language Files" with each backslash read as a path separator. A path
// without a backslash, or with a part that could lead elsewhere (empty, "." or "..", or holding a
// NUL or a ":"), names no language: the file is damaged.
struct NamedLanguage {
    std::string name;
    std::filesystem::path file;  // below "Language Files"
};
std::optional<NamedLanguage> LanguageNamedBy(std::string_view languagePath);

inline constexpr std::int32_t kLargestColour = 0xFFFFFF;

// Colours.ini as the main program reads it: the header field is skipped, the twelve band
// colours are read as texts and converted (a value that is not a number, or not a 24-bit colour,
// fails), the body colour is read as a number (not a number, or out of range, gives black).
// nullopt on any failure; nothing past the fourteenth field is looked at.
std::optional<BandPalette> ReadColoursFile(std::istream& in);
std::string ColoursFileBytes(const BandPalette& palette);

// Settings.ini: the outline check box state, 0 or 1; anything else fails.
std::optional<bool> ReadSettingsFile(std::istream& in);
std::string SettingsFileBytes(bool outlined);

// Language.ini: line 2, the language file's path under "Language Files" or "Default"; nullopt
// when the file holds fewer than three fields.
std::optional<std::string> ReadLanguageFile(std::istream& in, TextEncoding encoding = TextEncoding::Windows1252);
std::string LanguageFileBytes(std::string_view languagePath);

}  // namespace common

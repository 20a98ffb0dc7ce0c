#pragma once

#include "bandwise/core/window_texts.h"
#include "common/code_page.h"
#include "common/file_places.h"

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bandwise {

inline constexpr int kLanguageFieldCount = 69;
// Numbered from 1: common::Field(fields, n).
using LanguageFields = std::array<std::string, kLanguageFieldCount>;
// Fields 1 and 2 are the file's own comments.
inline constexpr std::size_t kUnusedLanguageFields = 2;

// The whole language file, or nullopt when it ends before its last field; what follows the
// last field is never read.
std::optional<LanguageFields> ReadLanguageFields(
    std::istream& in, common::TextEncoding encoding = common::TextEncoding::Windows1252);

// The colour names, the None name, the About texts as read, and the four messages with each
// "|" standing for a comma.
void ApplyLanguageTexts(const LanguageFields& fields, WindowTexts& texts);

std::string LanguageWindowTitle(const LanguageFields& fields);

// One caption of the main window taken from a language file: the control, its field and what
// is appended to the field (":" or ", P:").
struct CaptionEntry {
    std::string_view control;
    int field;
    std::string_view suffix;
};

// In the order the captions are applied.
const std::vector<CaptionEntry>& LanguageCaptions();

// Where line 2 of Language.ini leads: the built-in texts ("default" in any letter case), the file
// of the language it names (common::LanguageNamedBy), the user's own copy first, or nowhere.
struct LanguageChoice {
    enum class Kind { BuiltIn, Language, Malformed };
    Kind kind = Kind::BuiltIn;
    std::string name;
    std::filesystem::path file;
};
LanguageChoice ResolveLanguagePath(const common::FilePlaces& places, std::string_view languagePath);

// Built in, never taken from a language file.
inline constexpr std::string_view kLanguageIniErrorMessage =
    "Bandwise encountered an error while loading \"Language.ini\" file.";
std::string LanguageFileErrorMessage(std::string_view languagePath);

}  // namespace bandwise

#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace common {

// The languages the programs ship: the folder of each below "Language Files", the name Settings
// lists it under, and the code of its translations (both programs' own catalogues and Qt's).
// English comes first. It is built in, so it has neither folder nor translations, and
// Language.ini names it "Default".
struct ShippedLanguage {
    std::string_view folder;
    std::string_view name;
    std::string_view translations;
};
inline constexpr std::array<ShippedLanguage, 3> kShippedLanguages = {{
    {"", "English", ""},
    {"Espa\u00F1ol", "Espa\u00F1ol", "es"},
    {"Portugu\u00EAs (Brasil)", "Portugu\u00EAs (Brasil)", "pt_BR"},
}};

// A language a user adds by hand is a folder of language files like the shipped ones; it is
// listed under its folder's name and has no translations, so its further texts stay in English.
std::string_view LanguageListedName(std::string_view folder);
std::string_view LanguageFolder(std::string_view listedName);
std::optional<std::string_view> TranslationFor(std::string_view folder);

}  // namespace common

#include "common/languages.h"

#include <algorithm>

namespace common {

namespace {

const ShippedLanguage* shipped(std::string_view ShippedLanguage::*field, std::string_view value)
{
    const auto found = std::ranges::find(kShippedLanguages, value, field);
    return found == kShippedLanguages.end() ? nullptr : &*found;
}

}  // namespace

std::string_view LanguageListedName(std::string_view folder)
{
    const ShippedLanguage* language = shipped(&ShippedLanguage::folder, folder);
    return language ? language->name : folder;
}

std::string_view LanguageFolder(std::string_view listedName)
{
    const ShippedLanguage* language = shipped(&ShippedLanguage::name, listedName);
    return language ? language->folder : listedName;
}

std::optional<std::string_view> TranslationFor(std::string_view folder)
{
    const ShippedLanguage* language = shipped(&ShippedLanguage::folder, folder);
    if (!language || language->translations.empty())
        return std::nullopt;
    return language->translations;
}

}  // namespace common

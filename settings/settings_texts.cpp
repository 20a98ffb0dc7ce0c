#include "settings/settings_texts.h"

#include "common/field_reader.h"
#include "common/languages.h"
#include "common/settings_files.h"

namespace settings {

std::string LanguagePathFor(std::string_view entry)
{
    const std::string folder(common::LanguageFolder(entry));
    if (folder.empty())
        return std::string(common::kDefaultLanguage);
    return folder + "\\" + folder + ".ini";
}

std::optional<std::string> LanguageEntryFor(std::string_view languagePath)
{
    if (common::IsDefaultLanguage(languagePath))
        return std::string(common::kShippedLanguages[0].name);
    const std::optional<common::NamedLanguage> named = common::LanguageNamedBy(languagePath);
    if (!named)
        return std::nullopt;
    return std::string(common::LanguageListedName(named->name));
}

std::optional<ColoursRead> ReadColoursForEditing(std::istream& in)
{
    common::FieldReader reader(in);
    if (!reader.skipField())
        return std::nullopt;
    const auto texts = common::ReadTextFields<common::kBandColourCount + 1>(reader);
    if (!texts)
        return std::nullopt;
    ColoursRead read;
    for (std::size_t i = 0; i < texts->size(); ++i) {
        const std::optional<std::int32_t> value = common::TextToInteger((*texts)[i]);
        if (!value || *value < 0 || *value > common::kLargestColour)
            return read;
        read.colours[i] = common::DisplayColour {*value};
    }
    read.complete = true;
    return read;
}

std::optional<CaptionFields> ReadCaptionFields(std::istream& in, common::TextEncoding encoding)
{
    common::FieldReader reader(in, encoding);
    return common::ReadTextFields<kCaptionFieldCount>(reader, kUnusedCaptionFields);
}

std::filesystem::path CaptionFilePath(const common::FilePlaces& places, std::string_view entry)
{
    const std::string folder(common::LanguageFolder(entry));
    return places.languageFile(std::filesystem::path(folder) / (folder + "_Settings.ini"));
}

void ApplyCaptionTexts(const CaptionFields& fields, SettingsTexts& texts)
{
    texts.Settings_Title = common::Field(fields, 3);
    texts.Language_Saved_Message = common::Field(fields, 22);
    texts.Colours_Read_Error_Message = common::Field(fields, 23);
    texts.Colours_Saved_Message = common::Field(fields, 24);
    texts.Colours_Save_Error_Message = common::Field(fields, 25);
}

}  // namespace settings

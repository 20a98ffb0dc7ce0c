#include "bandwise/core/language_file.h"

#include "bandwise/decoding/colour_options.h"
#include "common/field_reader.h"
#include "common/settings_files.h"
#include "common/utf8.h"

#include <algorithm>

namespace bandwise {

namespace {

constexpr int kFirstColourField = 15;
constexpr int kNoneField = 27;
constexpr int kFirstAboutField = 57;
constexpr int kFirstMessageField = 66;

std::string commasRestored(std::string text)
{
    std::replace(text.begin(), text.end(), '|', ',');
    return text;
}

}  // namespace

std::optional<LanguageFields> ReadLanguageFields(std::istream& in, common::TextEncoding encoding)
{
    common::FieldReader reader(in, encoding);
    return common::ReadTextFields<kLanguageFieldCount>(reader, kUnusedLanguageFields);
}

void ApplyLanguageTexts(const LanguageFields& fields, WindowTexts& texts)
{
    for (int i = 0; i < common::kBandColourCount; ++i)
        texts.Colour_Names[i] = common::Field(fields, kFirstColourField + i);
    texts.None_Name = common::Field(fields, kNoneField);
    for (std::size_t i = 0; i < texts.About_Texts.size(); ++i)
        texts.About_Texts[i] = common::Field(fields, kFirstAboutField + static_cast<int>(i));
    texts.Too_Few_Values_Message = commasRestored(common::Field(fields, kFirstMessageField));
    texts.Bad_Values_Message = commasRestored(common::Field(fields, kFirstMessageField + 1));
    texts.Settings_Load_Error_Message = commasRestored(common::Field(fields, kFirstMessageField + 2));
    texts.Settings_Save_Error_Message = commasRestored(common::Field(fields, kFirstMessageField + 3));
}

std::string LanguageWindowTitle(const LanguageFields& fields)
{
    return "Bandwise (" + common::Field(fields, 3) + ")";
}

const std::vector<CaptionEntry>& LanguageCaptions()
{
    static const std::vector<CaptionEntry> captions = [] {
        std::vector<CaptionEntry> entries = {
            {"Frame1", 4, ""},
            {"Label1", 5, ":"},
            {"r4b", 6, ""},
            {"r5b", 7, ""},
            {"r6b", 8, ""},
            {"band1", 9, ""},
            {"band2", 10, ""},
            {"band3", 11, ""},
            {"mul", 12, ""},
            {"tol", 13, ""},
            {"tempco", 14, ""},
        };
        // The colour options of each group, top to bottom, named by their colour's field.
        for (const ColourGroup& group : DecodingColourGroups()) {
            for (const ColourOption& option : group.options) {
                const int number = option.id == kNoToleranceBandId ? kNoneField : kFirstColourField + option.id;
                entries.push_back({option.name, number, ""});
            }
        }
        const std::vector<CaptionEntry> rest = {
            {"Frame2", 28, ""},
            {"Label2", 29, ":"},
            {"Resistor_Value", 30, ""},
            {"Label3", 31, ":"},
            {"nor_form", 32, ""},
            {"exp_form", 33, ""},
            {"uni", 34, ""},
            {"Label26", 35, ":"},
            {"Frame3", 36, ""},
            {"Frame4", 37, ""},
            {"Label4", 5, ":"},
            {"r4b1", 6, ""},
            {"r5b1", 7, ""},
            {"r6b1", 8, ""},
            {"Frame9", 38, ""},
            {"Frame7", 36, ""},
            {"Frame5", 39, ""},
            {"Label5", 40, ":"},
            {"Label6", 41, ":"},
            {"Label7", 42, ":"},
            {"Label8", 12, ":"},
            {"Label9", 13, ":"},
            {"Label24", 43, ":"},
            {"Frame6", 28, ""},
            {"Label11", 9, ":"},
            {"Label12", 10, ":"},
            {"Label13", 11, ":"},
            {"Label14", 44, ":"},
            {"Label15", 45, ":"},
            {"Label25", 46, ":"},
            {"Frame8", 47, ""},
            {"Label16", 48, ", P:"},
            {"Label17", 49, ", V:"},
            {"Label18", 50, ", I:"},
            {"Label19", 51, ", R:"},
            {"calc", 52, ""},
            {"res", 53, ""},
            {"show_stripes_outline", 54, ""},
            {"Command1", 55, ""},
            {"exit_button", 56, ""},
        };
        entries.insert(entries.end(), rest.begin(), rest.end());
        return entries;
    }();
    return captions;
}

LanguageChoice ResolveLanguagePath(const common::FilePlaces& places, std::string_view languagePath)
{
    if (common::IsDefaultLanguage(languagePath))
        return {};
    const std::optional<common::NamedLanguage> named = common::LanguageNamedBy(languagePath);
    if (!named)
        return {LanguageChoice::Kind::Malformed, {}, {}};
    return {LanguageChoice::Kind::Language, named->name, places.languageFile(named->file)};
}

namespace {

// A damaged file's control characters, shown rather than obeyed or hidden: \t, \n and \r by
// name, the others (C0, DEL and C1) by code.
std::string withVisibleControls(std::string_view text)
{
    std::string shown;
    while (!text.empty()) {
        // Bytes that are no UTF-8 pass as they are, like any other character.
        const std::optional<common::CodePoint> next = common::DecodeUtf8(text);
        const std::size_t length = next ? next->length : 1;
        const char32_t code = next ? next->value : U'\uFFFD';
        if (code >= 0x20 && (code < 0x7F || code > 0x9F)) {
            shown += text.substr(0, length);
        } else if (code == '\t') {
            shown += "\\t";
        } else if (code == '\n') {
            shown += "\\n";
        } else if (code == '\r') {
            shown += "\\r";
        } else {
            constexpr std::string_view kHex = "0123456789abcdef";
            shown += "\\x";
            shown += kHex[code >> 4];
            shown += kHex[code & 0xFU];
        }
        text.remove_prefix(length);
    }
    return shown;
}

}  // namespace

std::string LanguageFileErrorMessage(std::string_view languagePath)
{
    return "Bandwise encountered an error while loading \"" + withVisibleControls(languagePath) +
        "\" file.\r\nThe language files and/or \"Language.ini\" seems to be corrupted. Downloading the package "
        "again or using \"Settings.ini\" to set the desired language again may fix this problem.";
}

}  // namespace bandwise

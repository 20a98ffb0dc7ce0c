#include "common/settings_files.h"

#include "common/ascii.h"
#include "common/field_reader.h"
#include "common/line_writer.h"

namespace common {

namespace {

bool isColour(std::int32_t value)
{
    return value >= 0 && value <= kLargestColour;
}

}  // namespace

std::optional<BandPalette> ReadColoursFile(std::istream& in)
{
    FieldReader reader(in);
    if (!reader.skipField())
        return std::nullopt;
    BandPalette palette;
    for (DisplayColour& colour : palette.bands) {
        const std::optional<std::string> text = reader.readText();
        if (!text)
            return std::nullopt;
        const std::optional<std::int32_t> value = TextToInteger(*text);
        if (!value || !isColour(*value))
            return std::nullopt;
        colour = DisplayColour {*value};
    }
    const std::optional<std::int32_t> body = reader.readInteger();
    if (!body)
        return std::nullopt;
    palette.body = DisplayColour {isColour(*body) ? *body : 0};
    return palette;
}

std::string ColoursFileBytes(const BandPalette& palette)
{
    LineWriter writer;
    writer.writeText(kColoursHeader);
    for (DisplayColour colour : palette.bands)
        writer.writeNumber(colour.value);
    writer.writeNumber(palette.body.value);
    writer.writeText(kColoursFooter);
    return writer.bytes();
}

std::optional<bool> ReadSettingsFile(std::istream& in)
{
    FieldReader reader(in);
    const std::optional<std::string> field = reader.readText();
    if (!field)
        return std::nullopt;
    const std::optional<std::int32_t> state = TextToInteger(*field);
    if (!state || (*state != 0 && *state != 1))
        return std::nullopt;
    return *state == 1;
}

std::string SettingsFileBytes(bool outlined)
{
    LineWriter writer;
    writer.writeNumber(outlined ? 1 : 0);
    return writer.bytes();
}

bool IsDefaultLanguage(std::string_view languagePath)
{
    return EqualsIgnoringAsciiCase(languagePath, kDefaultLanguage);
}

std::optional<NamedLanguage> LanguageNamedBy(std::string_view languagePath)
{
    const std::size_t separator = languagePath.find('\\');
    if (separator == std::string_view::npos)
        return std::nullopt;

    // Joined one plain name at a time, so the file always lies under "Language Files": a segment
    // that is empty (a leading or doubled separator), "." or "..", or that holds a NUL (which
    // would cut the name short) or a ":" (a drive), names no language.
    std::filesystem::path file;
    for (std::size_t start = 0;;) {
        const std::size_t end = languagePath.find_first_of("\\/", start);
        const std::string_view segment = languagePath.substr(start, end - start);
        if (segment.empty() || segment == "." || segment == ".." ||
            segment.find_first_of(std::string_view(":\0", 2)) != std::string_view::npos)
            return std::nullopt;
        file /= std::string(segment);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return NamedLanguage {std::string(languagePath.substr(0, separator)), file};
}

std::optional<std::string> ReadLanguageFile(std::istream& in, TextEncoding encoding)
{
    // Only line 2 is used; the comment lines around it must be there, but may hold anything.
    FieldReader reader(in, encoding);
    if (!reader.skipField())
        return std::nullopt;
    std::optional<std::string> path = reader.readText();
    if (!path || !reader.skipField())
        return std::nullopt;
    return path;
}

std::string LanguageFileBytes(std::string_view languagePath)
{
    LineWriter writer;
    writer.writeText(kLanguageHeader);
    writer.writeText(languagePath);
    writer.writeText(kLanguageFooter);
    return writer.bytes();
}

}  // namespace common

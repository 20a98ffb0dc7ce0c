#include "cli/program.h"

#include "bandwise/core/language_file.h"
#include "cli/commands.h"
#include "common/languages.h"
#include "common/settings_files.h"

#include <fstream>
#include <langinfo.h>
#include <locale.h>

#ifndef BANDWISE_VERSION
#error "BANDWISE_VERSION names the version"
#endif

namespace cli {

namespace {

constexpr std::string_view kOverview =
    "Usage: bandwise-cli COMMAND [OPTIONS] [ARGUMENTS]\n"
    "Resistor colour codes, SMD codes and standard values, for scripts and terminals.\n"
    "\n"
    "Commands:\n"
    "  decode COLOUR...           the value of 3 to 6 colour bands\n"
    "  encode VALUE               the colour bands of a value\n"
    "  smd CODE|VALUE             the value of an SMD code, or the codes of a value\n"
    "  nearest VALUE              the standard values either side of a value\n"
    "  combine VALUE              standard parts in series and parallel that make a value\n"
    "  divider --vin V --vout V   the closest voltage divider of standard parts\n"
    "\n"
    "Options of every command:\n"
    "  --json            JSON rather than plain text\n"
    "  --locale NAME     numbers with that locale's decimal separator (de_DE.UTF-8)\n"
    "  --language NAME   colour words of that language (Espa\u00F1ol)\n"
    "  --help            this help; COMMAND --help for a command's own\n"
    "  --version         the version\n"
    "\n"
    "Values are written as in the window's \"Set value\u2026\": 4700, 4.7k, 4k7, 4,7 k\u03A9, 1M.\n"
    "Exit status: 0 answered, 1 no answer, 2 bad input. More in bandwise-cli(1).\n";

Run failed(int status, const std::string& message)
{
    return {status, {}, "bandwise-cli: " + message + "\n"};
}

// The decimal separator of a locale the system has (or that $LOCPATH holds).
std::optional<std::string> separatorOf(const std::string& name)
{
    const locale_t locale = ::newlocale(LC_NUMERIC_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return std::nullopt;
    std::string separator = ::nl_langinfo_l(RADIXCHAR, locale);
    ::freelocale(locale);
    return separator;
}

// The colour words of a language, from its file in "Language Files": in the program directory,
// or, for a program installed in bin, in the program directory of the windows beside it.
std::optional<std::string> loadLanguage(
    const std::string& name, const std::filesystem::path& programDirectory, bandwise::WindowTexts& texts)
{
    const std::string folder(common::LanguageFolder(name));
    if (folder.empty() || common::IsDefaultLanguage(folder))
        return std::nullopt;
    const std::optional<common::NamedLanguage> language = common::LanguageNamedBy(folder + "\\" + folder + ".ini");
    if (!language)
        return "unknown language \"" + name + "\"";
    for (const std::filesystem::path& directory : {programDirectory, programDirectory / ".." / "lib" / "bandwise"}) {
        std::ifstream in(common::FilePlaces(directory).languageFile(language->file), std::ios::binary);
        if (!in)
            continue;
        const std::optional<bandwise::LanguageFields> fields = bandwise::ReadLanguageFields(in);
        if (!fields)
            return "the language file of \"" + name + "\" is damaged";
        bandwise::ApplyLanguageTexts(*fields, texts);
        return std::nullopt;
    }
    return "unknown language \"" + name + "\": no file for it in \"Language Files\"";
}

}  // namespace

Run RunCommandLine(std::span<const std::string_view> args, const std::filesystem::path& programDirectory)
{
    const ArgumentsReading reading = ReadArguments(args, CommandShapes());
    if (!reading.error.empty())
        return failed(kBadInput, reading.error + "; see bandwise-cli --help");
    const Arguments& arguments = reading.arguments;
    const Command* command = nullptr;
    if (arguments.command)
        command = &Commands()[static_cast<std::size_t>(arguments.command - CommandShapes().data())];

    if (arguments.has("--version"))
        return {0, "bandwise-cli " BANDWISE_VERSION "\n", {}};
    if (arguments.has("--help"))
        return {0, command ? "Usage: bandwise-cli " + std::string(command->usage) : std::string(kOverview), {}};
    if (!command)
        return failed(kBadInput, "no command; see bandwise-cli --help");

    // JSON is read by programs, which want a full stop whatever the locale.
    const bool json = arguments.has("--json");
    std::string separator = ".";
    if (const std::optional<std::string> locale = arguments.value("--locale")) {
        const std::optional<std::string> found = separatorOf(*locale);
        if (!found)
            return failed(kBadInput, "unknown locale \"" + *locale + "\"");
        if (!json)
            separator = *found;
    }
    bandwise::WindowTexts texts;
    if (const std::optional<std::string> language = arguments.value("--language")) {
        if (!command->usesColourWords)
            return failed(kBadInput, "--language is for decode and encode, which have colour words");
        if (const std::optional<std::string> problem = loadLanguage(*language, programDirectory, texts))
            return failed(kBadInput, *problem);
    }

    const Outcome outcome = command->run({arguments, separator, texts, json});
    if (outcome.status != 0)
        return failed(outcome.status, outcome.error);
    return {0, outcome.text, {}};
}

}  // namespace cli

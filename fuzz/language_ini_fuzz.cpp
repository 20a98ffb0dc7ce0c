#include "bandwise/core/language_file.h"
#include "common/settings_files.h"
#include "fuzz_input.h"
#include "settings/settings_texts.h"

#include <cstdlib>

// Language.ini as both programs read it, and where each lets its language path lead.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = asFile(data, size);
    const auto path = common::ReadLanguageFile(in, encodingOf(data, size));
    if (!path)
        return 0;
    const bandwise::LanguageChoice choice = bandwise::ResolveLanguagePath(std::filesystem::path("/program"), *path);
    // Whatever the text, a language file lies below the program directory's "Language Files":
    // no part of its path climbs out or stands for the directory itself.
    if (choice.kind == bandwise::LanguageChoice::Kind::Language) {
        if (choice.file.lexically_normal().string().rfind("/program/Language Files/", 0) != 0)
            std::abort();
        for (const std::filesystem::path& part : choice.file) {
            if (part == "." || part == "..")
                std::abort();
        }
    }
    if (const auto entry = settings::LanguageEntryFor(*path)) {
        if (settings::LanguagePathFor(*entry).empty())
            std::abort();
    }
    (void)bandwise::LanguageFileErrorMessage(*path);
    return 0;
}

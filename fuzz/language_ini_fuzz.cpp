#include "bandwise/shell/language_file.h"
#include "common/settings_files.h"
#include "fuzz_input.h"
#include "settings/settings_texts.h"

#include <cstdlib>

// Language.ini as both programs read it, and where each lets its language path lead.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = asFile(data, size);
    const auto path = common::ReadLanguageFile(in);
    if (!path)
        return 0;
    const bandwise::LanguageChoice choice = bandwise::ResolveLanguagePath("/program", *path);
    // Whatever the text, the language file is looked up below the program directory's
    // "Language Files" (".." components resolve like any other path, never replace it).
    if (choice.kind == bandwise::LanguageChoice::Kind::Language &&
        choice.file.string().rfind("/program/Language Files/", 0) != 0)
        std::abort();
    if (const auto entry = settings::LanguageEntryFor(*path)) {
        if (settings::LanguagePathFor(*entry).empty())
            std::abort();
    }
    (void)bandwise::LanguageFileErrorMessage(*path);
    return 0;
}

#include "bandwise/about/about_texts.h"
#include "bandwise/core/language_file.h"
#include "fuzz_input.h"

// The main program's 69-field language file, applied to the window texts and the About box.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = asFile(data, size);
    const auto fields = bandwise::ReadLanguageFields(in, encodingOf(data, size));
    if (!fields)
        return 0;
    bandwise::WindowTexts texts;
    texts.Language_Changed = true;
    bandwise::ApplyLanguageTexts(*fields, texts);
    (void)bandwise::LanguageWindowTitle(*fields);
    (void)bandwise::AboutDialogTexts(texts);
    for (const bandwise::CaptionEntry& entry : bandwise::LanguageCaptions())
        (void)((*fields)[entry.field - 1] + std::string(entry.suffix));
    return 0;
}

#include "fuzz_input.h"
#include "settings/settings_texts.h"

// The Settings program's 25-field caption file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = asFile(data, size);
    const auto fields = settings::ReadCaptionFields(in, encodingOf(data, size));
    if (!fields)
        return 0;
    settings::SettingsTexts texts;
    settings::ApplyCaptionTexts(*fields, texts);
    (void)texts.messageTitle();
    return 0;
}

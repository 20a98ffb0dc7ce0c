#include "common/settings_files.h"
#include "fuzz_input.h"
#include "settings/settings_texts.h"

#include <cstdlib>

// Colours.ini as both programs read it; whatever they accept is a 24-bit colour.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto forBandwise = asFile(data, size);
    if (const auto palette = common::ReadColoursFile(forBandwise)) {
        for (common::DisplayColour colour : palette->bands) {
            if (colour.value < 0 || colour.value > common::kLargestColour)
                std::abort();
        }
        if (palette->body.value < 0 || palette->body.value > common::kLargestColour)
            std::abort();
    }
    auto forSettings = asFile(data, size);
    if (const auto read = settings::ReadColoursForEditing(forSettings)) {
        for (const auto& colour : read->colours) {
            if (colour && (colour->value < 0 || colour->value > common::kLargestColour))
                std::abort();
        }
    }
    return 0;
}

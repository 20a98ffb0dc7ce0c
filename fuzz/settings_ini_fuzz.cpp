#include "common/settings_files.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = asFile(data, size);
    (void)common::ReadSettingsFile(in);
    return 0;
}

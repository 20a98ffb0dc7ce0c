#include "common/code_page.h"
#include "common/field_reader.h"
#include "fuzz_input.h"

#include <cstdlib>

// Every field of any file, read as text, as a number or passed over; texts survive the code page
// round trip.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = asFile(data, size);
    common::FieldReader reader(in);
    for (std::size_t i = 0;; ++i) {
        if (i % 4 == 2) {
            if (!reader.readInteger())
                break;
            continue;
        }
        if (i % 4 == 3) {
            if (!reader.skipField())
                break;
            continue;
        }
        const auto text = reader.readText();
        if (!text)
            break;
        if (text->size() > 4 * common::FieldReader::kMaxFieldBytes)
            std::abort();  // a field may grow only by the UTF-8 expansion of its bytes
        const std::string bytes = common::EncodeWindows1252(*text);
        if (common::DecodeWindows1252(bytes) != *text)
            std::abort();
        (void)common::TextToInteger(*text);
    }
    return 0;
}

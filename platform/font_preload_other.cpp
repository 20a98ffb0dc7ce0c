#include "platform/font_preload.h"

namespace platform {

FontPreload::FontPreload() = default;

void FontPreload::wait()
{ }

}  // namespace platform

#include "platform/font_preload.h"

#include <fontconfig/fontconfig.h>

namespace platform {

// FcInit is what Qt's font database calls first; fontconfig keeps its configuration for the
// process, and a later FcInit returns at once.
FontPreload::FontPreload()
    : m_reading([] { FcInit(); })
{ }

void FontPreload::wait()
{
    if (m_reading.joinable())
        m_reading.join();
}

}  // namespace platform

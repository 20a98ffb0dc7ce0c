#pragma once

#include <string>
#include <string_view>

namespace common {

// The settings, language and caption files are Windows-1252 on disk and UTF-8 in memory. Bytes
// that Windows-1252 leaves undefined map to the code point of the same value, so every byte
// survives a round trip.
std::string DecodeWindows1252(std::string_view bytes);

// Characters that Windows-1252 cannot hold become "?".
std::string EncodeWindows1252(std::string_view utf8);

}  // namespace common

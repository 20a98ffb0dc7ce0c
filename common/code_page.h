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

// How the text of a file is read. The programs write Windows-1252, but text editors on Linux save
// UTF-8: a file is read as UTF-8 when it is valid UTF-8 and holds a byte above 127 (plain ASCII
// reads the same either way), and as Windows-1252 otherwise.
enum class TextEncoding { Windows1252, Utf8 };
TextEncoding DetectTextEncoding(std::string_view bytes);

}  // namespace common

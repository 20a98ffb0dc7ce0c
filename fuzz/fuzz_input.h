#pragma once

#include "common/code_page.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

// The fuzzer's bytes as the file a reader is given.
inline std::istringstream asFile(const std::uint8_t* data, std::size_t size)
{
    return std::istringstream(std::string(reinterpret_cast<const char*>(data), size));
}

// The encoding the programs read those bytes in.
inline common::TextEncoding encodingOf(const std::uint8_t* data, std::size_t size)
{
    return common::DetectTextEncoding(std::string_view(reinterpret_cast<const char*>(data), size));
}

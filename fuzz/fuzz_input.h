#pragma once

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

// The fuzzer's bytes as the file a reader is given.
inline std::istringstream asFile(const std::uint8_t* data, std::size_t size)
{
    return std::istringstream(std::string(reinterpret_cast<const char*>(data), size));
}

#pragma once

#include <string_view>

namespace values {

// Captions put "K" or "M" in front of it, always upper case.
inline constexpr std::string_view kOhmSign = "\u03A9";

}  // namespace values

#pragma once

#include "common/values/decimal.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

// JSON built from the inside out: each function returns a finished JSON text, which the next one
// nests. Numbers are exact decimals with a full stop whatever the locale, so a script reads back
// the value the program computed rather than its rounding through a double.
std::string JsonString(std::string_view text);
std::string JsonNumber(values::Decimal value);
inline constexpr std::string_view kJsonNull = "null";

using JsonMember = std::pair<std::string_view, std::string>;
std::string JsonObject(std::initializer_list<JsonMember> members);
std::string JsonArray(const std::vector<std::string>& elements);

}  // namespace cli

#pragma once

#include "common/values/decimal.h"

#include <optional>

namespace values {

struct ValueRange {
    Decimal minimum;
    Decimal maximum;
};

// value × (1 ∓ percent / 100), exact: 4.7 kΩ ±5 % gives 4465 and 4935. std::nullopt for a
// percent outside 0 … 100, where the minimum would be negative, or when the digits do not fit.
std::optional<ValueRange> ToleranceRange(Decimal value, Decimal percent);

}  // namespace values

#include "common/values/tolerance.h"

namespace values {

std::optional<ValueRange> ToleranceRange(Decimal value, Decimal percent)
{
    if (percent < Decimal {} || percent > MakeDecimal(100))
        return std::nullopt;
    const auto product = Product(value, percent);
    const auto deviation = product ? ScaledByPowerOfTen(*product, -2) : std::nullopt;
    const auto minimum = deviation ? Difference(value, *deviation) : std::nullopt;
    const auto maximum = deviation ? Sum(value, *deviation) : std::nullopt;
    if (!minimum || !maximum)
        return std::nullopt;
    return ValueRange {*minimum, *maximum};
}

}  // namespace values

#pragma once

#include "common/values/decimal.h"

#include <string>
#include <string_view>

namespace values {

// "4.7 kΩ", "470 Ω", "0.47 Ω", "1 GΩ": a number of 1 to 999 and the prefix that goes with it (k, M,
// G, T), the plain number below 1 Ω. The caller passes the decimal separator of the user's locale.
std::string EngineeringText(Decimal ohms, std::string_view decimalSeparator = ".");

// The letter-and-digits code printed on parts and in parts lists, for values ≥ 0: the letter R, K,
// M, G or T stands where the decimal point would: "4K7", "470R", "R47", "10K", "4K99"; a single
// digit gets a "0" after the letter, "1R0" and "1K0", so that the code is never read as a bare
// letter mark.
std::string RkmText(Decimal ohms);

}  // namespace values

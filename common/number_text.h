#pragma once

#include <string>
#include <string_view>

namespace common {

// The text of a number as the programs show it: at most 15 significant digits, no leading blank
// for positive numbers, no thousands separators, no trailing zeros, exponent notation (1E+15,
// 1E-05) only for very large or very small magnitudes. The caller passes the decimal separator
// of the user's locale.
std::string GeneralNumberText(double value, std::string_view decimalSeparator);

// The number at the start of a text. Blanks, tabs and line feeds anywhere are ignored; "." is
// the decimal point whatever the locale, and so is `decimalMark` when given (a comma locale's
// own mark, so that texts written with it read back); a text without a leading number gives 0. A
// magnitude beyond the range of a double gives an infinity of the right sign, so callers can
// detect it.
double LeadingNumber(std::string_view text, std::string_view decimalMark = {});

}  // namespace common

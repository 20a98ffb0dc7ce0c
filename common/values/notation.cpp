#include "common/values/notation.h"

#include "common/values/ohm_sign.h"

#include <algorithm>
#include <array>

namespace values {

namespace {

struct Prefix {
    int power;
    std::string_view engineering;
    char rkm;
};

constexpr std::array<Prefix, 5> kPrefixes = {
    {{12, "T", 'T'}, {9, "G", 'G'}, {6, "M", 'M'}, {3, "k", 'K'}, {0, "", 'R'}}};

// The largest prefix that leaves at least 1 in front of it; values below 1 Ω keep no prefix.
std::pair<Prefix, Decimal> withPrefix(Decimal ohms)
{
    const int power = LeadingPower(ohms);
    const auto prefix =
        std::find_if(kPrefixes.begin(), kPrefixes.end() - 1, [&](const Prefix& p) { return p.power <= power; });
    return {*prefix, {ohms.mantissa, ohms.exponent - prefix->power}};
}

}  // namespace

std::string EngineeringText(Decimal ohms, std::string_view decimalSeparator)
{
    const auto [prefix, scaled] = withPrefix(ohms);
    std::string number = DecimalText(scaled);
    if (const auto point = number.find('.'); point != std::string::npos)
        number.replace(point, 1, decimalSeparator);
    return number + ' ' + std::string(prefix.engineering) + std::string(values::kOhmSign);
}

std::string RkmText(Decimal ohms)
{
    const auto [prefix, scaled] = withPrefix(ohms);
    std::string code = DecimalText(scaled);
    if (const auto point = code.find('.'); point != std::string::npos)
        code[point] = prefix.rkm;
    else
        code += prefix.rkm;
    if (code.starts_with("0") && code.size() > 2)
        code.erase(0, 1);
    if (code.size() == 2)
        code += '0';
    return code;
}

}  // namespace values

#include "common/values/smd.h"

#include "common/ascii.h"
#include "common/values/series.h"

#include <algorithm>
#include <array>
#include <optional>

namespace values {

namespace {

struct EiaLetter {
    char letter;
    int power;  // of the multiplier the letter stands for
};

// The first letter for each multiplier is the one EncodeSmd writes.
constexpr std::array<EiaLetter, 12> kEiaLetters = {{{'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
    {'B', 1}, {'H', 1}, {'C', 2}, {'D', 3}, {'E', 4}, {'F', 5}}};

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), common::IsAsciiDigit);
}

std::optional<int> eiaPower(char letter)
{
    const auto found = std::find_if(
        kEiaLetters.begin(), kEiaLetters.end(), [&](const EiaLetter& entry) { return entry.letter == letter; });
    return found == kEiaLetters.end() ? std::nullopt : std::optional(found->power);
}

// Digits with one R where the point is: "4R7", "R47", "49R9".
std::optional<Decimal> pointCode(std::string code)
{
    const auto point = code.find('R');
    if (point == std::string::npos)
        return std::nullopt;
    code[point] = '.';
    return allDigits(code.substr(0, point)) && allDigits(code.substr(point + 1)) ? DecimalFromText(code) : std::nullopt;
}

Decimal eia96Value(int index, int power)
{
    const Decimal member = SeriesDecade(Series::E96)[static_cast<std::size_t>(index - 1)];
    return {member.mantissa, member.exponent + power + 2};
}

// A code of `digits` significant digits: the digits and a power of ten from 10^(digits − 1) Ω up,
// R in place of the point below.
std::optional<std::string> digitCode(Decimal ohms, int digits)
{
    const int leading = LeadingPower(ohms);
    if (leading >= digits - 1) {
        const int power = leading - (digits - 1);
        if (SignificantDigits(ohms) > digits || power > 9)
            return std::nullopt;
        return DecimalText({ohms.mantissa, ohms.exponent - power}) + static_cast<char>('0' + power);
    }
    const int whole = std::max(leading + 1, 0);
    const int fraction = digits - whole;
    if (ohms.exponent < -fraction)
        return std::nullopt;
    std::string code = DecimalText({ohms.mantissa, ohms.exponent + fraction});
    code.insert(0, static_cast<std::size_t>(digits) - code.size(), '0');
    return code.insert(static_cast<std::size_t>(whole), 1, 'R');
}

std::optional<std::string> eia96Code(Decimal ohms)
{
    const int power = LeadingPower(ohms) - 2;
    const auto& decade = SeriesDecade(Series::E96);
    const auto member = std::find(decade.begin(), decade.end(), Decimal {ohms.mantissa, ohms.exponent - power - 2});
    const auto letter = std::find_if(
        kEiaLetters.begin(), kEiaLetters.end(), [&](const EiaLetter& entry) { return entry.power == power; });
    if (member == decade.end() || letter == kEiaLetters.end())
        return std::nullopt;
    const auto index = member - decade.begin() + 1;
    return std::string {static_cast<char>('0' + index / 10), static_cast<char>('0' + index % 10), letter->letter};
}

}  // namespace

SmdDecoding DecodeSmd(std::string_view code)
{
    const auto first = code.find_first_not_of(" \t");
    const auto last = code.find_last_not_of(" \t");
    std::string upper(first == std::string_view::npos ? std::string_view {} : code.substr(first, last - first + 1));
    std::transform(upper.begin(), upper.end(), upper.begin(), common::AsciiUpper);

    if (upper.empty())
        return {{}, SmdError::Empty};
    if (upper.size() <= 4 && upper.find_first_not_of('0') == std::string::npos)
        return {{{SmdKind::Jumper, {}}}, SmdError::None};
    if (upper.size() != 3 && upper.size() != 4)
        return {{}, SmdError::UnknownShape};

    SmdDecoding result;
    SmdError error = SmdError::UnknownShape;
    const auto letterPower = eiaPower(upper.back());
    if (upper.size() == 3 && allDigits(upper.substr(0, 2)) && letterPower) {
        const int index = (upper[0] - '0') * 10 + (upper[1] - '0');
        if (index >= 1 && index <= 96)
            result.readings.push_back({SmdKind::Eia96, eia96Value(index, *letterPower)});
        else
            error = SmdError::UnknownIndex;
    }
    const SmdKind kind = upper.size() == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit;
    if (const auto value = pointCode(upper)) {
        result.readings.push_back({value->mantissa == 0 ? SmdKind::Jumper : kind, *value});
    } else if (allDigits(upper)) {
        if (upper[0] == '0')
            error = SmdError::LeadingZero;
        else
            result.readings.push_back(
                {kind, MakeDecimal(std::stoll(upper.substr(0, upper.size() - 1)), upper.back() - '0')});
    }
    if (result.readings.empty())
        result.error = error;
    return result;
}

std::vector<SmdMarking> EncodeSmd(Decimal ohms)
{
    if (ohms.mantissa < 0)
        return {};
    if (ohms.mantissa == 0)
        return {{SmdKind::Jumper, "000"}};
    std::vector<SmdMarking> markings;
    if (auto code = digitCode(ohms, 2))
        markings.push_back({SmdKind::ThreeDigit, std::move(*code)});
    if (auto code = digitCode(ohms, 3))
        markings.push_back({SmdKind::FourDigit, std::move(*code)});
    if (auto code = eia96Code(ohms))
        markings.push_back({SmdKind::Eia96, std::move(*code)});
    return markings;
}

}  // namespace values

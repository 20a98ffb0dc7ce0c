#include "bandwise/calculator/pvir_solve.h"

#include "common/number_text.h"

#include <cmath>
#include <functional>
#include <optional>

namespace bandwise {

namespace {

// Each step fails (nullopt) on division by zero, an invalid operation or overflow, so no
// infinity or NaN ever reaches a box.
using Value = std::optional<double>;

Value checked(double result)
{
    return std::isfinite(result) ? Value(result) : std::nullopt;
}

Value divide(double a, double b)
{
    return b == 0.0 ? std::nullopt : checked(a / b);
}
Value multiply(double a, double b)
{
    return checked(a * b);
}
Value square(double a)
{
    return checked(std::pow(a, 2.0));
}
Value root(Value a)
{
    return (a && *a >= 0.0) ? checked(std::sqrt(*a)) : std::nullopt;
}

Value divide(Value a, double b)
{
    return a ? divide(*a, b) : std::nullopt;
}
Value multiply(Value a, double b)
{
    return a ? multiply(*a, b) : std::nullopt;
}

struct Pair {
    CalculatorBox first;
    CalculatorBox second;
    CalculatorBox firstResult;
    CalculatorBox secondResult;
    // x, y: the numbers of the first and second given box.
    std::function<Value(double, double)> computeFirst;
    std::function<Value(double, double)> computeSecond;
};

const std::array<Pair, 6>& pairs()
{
    static const std::array<Pair, 6> table = {{
        {PowerBox, VoltageBox, CurrentBox, ResistanceBox,  // I = P / V, R = V² / P
            [](double p, double v) { return divide(p, v); }, [](double p, double v) { return divide(square(v), p); }},
        {PowerBox, CurrentBox, VoltageBox, ResistanceBox,  // V = P / I, R = P / I²
            [](double p, double i) { return divide(p, i); },
            [](double p, double i) {
                const Value i2 = square(i);
                return i2 ? divide(p, *i2) : std::nullopt;
            }},
        {PowerBox, ResistanceBox, VoltageBox, CurrentBox,  // V = √(P·R), I = √(P / R)
            [](double p, double r) { return root(multiply(p, r)); },
            [](double p, double r) { return root(divide(p, r)); }},
        {VoltageBox, CurrentBox, PowerBox, ResistanceBox,  // P = V·I, R = V / I
            [](double v, double i) { return multiply(v, i); }, [](double v, double i) { return divide(v, i); }},
        {VoltageBox, ResistanceBox, PowerBox, CurrentBox,  // P = V² / R, I = V / R
            [](double v, double r) { return divide(square(v), r); }, [](double v, double r) { return divide(v, r); }},
        {CurrentBox, ResistanceBox, PowerBox, VoltageBox,  // P = I²·R, V = I·R
            [](double i, double r) { return multiply(square(i), r); },
            [](double i, double r) { return multiply(i, r); }},
    }};
    return table;
}

// The UTF-8 form of a character of the basic plane, given as a signed 16-bit code.
std::string utf8Of(int code)
{
    const auto unit = static_cast<unsigned>(code) & 0xFFFFU;
    const auto byte = [](unsigned bits) { return static_cast<char>(bits); };
    if (unit < 0x80U)
        return {byte(unit)};
    if (unit < 0x800U)
        return {byte(0xC0U | (unit >> 6)), byte(0x80U | (unit & 0x3FU))};
    return {byte(0xE0U | (unit >> 12)), byte(0x80U | ((unit >> 6) & 0x3FU)), byte(0x80U | (unit & 0x3FU))};
}

}  // namespace

SolveOutcome SolvePvir(const std::array<std::string, kCalculatorBoxCount>& texts, std::string_view decimalSeparator)
{
    SolveOutcome outcome;
    int given = 0;
    for (const std::string& text : texts)
        given += text.empty() ? 0 : 1;
    if (given < 2) {
        outcome.message = SolveOutcome::Message::TooFewValues;
        return outcome;
    }

    for (const Pair& pair : pairs()) {
        if (texts[pair.first].empty() || texts[pair.second].empty())
            continue;
        // A number too large for a double is as much a failure as an overflow while computing.
        // Read with the separator the results are written with, so that they can be worked back.
        const double x = common::LeadingNumber(texts[pair.first], decimalSeparator);
        const double y = common::LeadingNumber(texts[pair.second], decimalSeparator);
        if (!std::isfinite(x) || !std::isfinite(y)) {
            outcome.message = SolveOutcome::Message::BadValues;
            return outcome;
        }
        for (const auto& [box, compute] :
            {std::pair {pair.firstResult, pair.computeFirst}, std::pair {pair.secondResult, pair.computeSecond}}) {
            const Value result = compute(x, y);
            if (!result) {
                outcome.message = SolveOutcome::Message::BadValues;
                return outcome;
            }
            outcome.results.push_back({box, common::GeneralNumberText(*result, decimalSeparator)});
        }
        outcome.givenBoxes = {pair.first, pair.second};
        return outcome;
    }
    return outcome;  // not reached: two given boxes always form one of the six pairs
}

bool AcceptsTypedCharacter(int code, std::string_view boxText, std::string_view decimalSeparator)
{
    // A comma locale's mark is typed like the full stop, which keeps working; either stands once.
    const bool ownMark = !decimalSeparator.empty() && decimalSeparator != ".";
    if (code == '.' || (ownMark && utf8Of(code) == decimalSeparator))
        return boxText.find('.') == std::string_view::npos &&
            (!ownMark || boxText.find(decimalSeparator) == std::string_view::npos);

    // Among the 8-bit codes only these pass; codes beyond them (other scripts, and characters
    // whose signed 16-bit code is negative) are let through as typed.
    constexpr int kBackspace = 8;
    constexpr int kLastEightBitCode = 255;
    const bool eightBit = code >= 0 && code <= kLastEightBitCode;
    const bool digit = code >= '0' && code <= '9';
    if (eightBit && !digit && code != kBackspace && code != '-')
        return false;
    if (code == '-')
        return boxText.empty();
    return true;
}

}  // namespace bandwise

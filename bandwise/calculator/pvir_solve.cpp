#include "bandwise/calculator/pvir_solve.h"

#include "common/ascii.h"
#include "common/number_text.h"
#include "common/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

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
    std::string text;
    common::AppendUtf8(text, static_cast<char32_t>(static_cast<std::uint16_t>(code)));
    return text;
}

// The code a key press of this character gives the filter: its UTF-16 unit as a signed 16-bit
// value, or the first of its two units beyond the basic plane.
int keyCodeOf(char32_t codePoint)
{
    const char32_t unit = codePoint <= 0xFFFFU ? codePoint : 0xD800U + ((codePoint - 0x10000U) >> 10);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(unit));
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
    const bool digit = common::IsAsciiDigit(code);
    if (eightBit && !digit && code != kBackspace && code != '-')
        return false;
    if (code == '-')
        return boxText.empty();
    return true;
}

std::string InsertedAsTyped(std::string_view inserted, std::string_view boxText, std::size_t selectionStart,
    std::size_t selectionLength, std::string_view decimalSeparator)
{
    constexpr char32_t kBackspace = 8;
    std::string text(boxText);
    std::size_t caret = std::min(selectionStart, text.size());
    std::size_t selected = selectionLength;
    std::string typed;
    while (!inserted.empty()) {
        // A stray byte is no character a key could type.
        const std::optional<common::CodePoint> next = common::DecodeUtf8(inserted);
        const std::string_view character = inserted.substr(0, next ? next->length : 1);
        inserted.remove_prefix(character.size());
        if (!next || next->value == kBackspace ||
            !AcceptsTypedCharacter(keyCodeOf(next->value), text, decimalSeparator))
            continue;
        text.replace(caret, selected, character);
        caret += character.size();
        selected = 0;
        typed += character;
    }
    return typed;
}

}  // namespace bandwise

#include "common/values/typed_value.h"

#include "common/ascii.h"

#include <algorithm>
#include <array>
#include <string>

namespace values {

namespace {

// Locales put a no-break or narrow no-break space between a number and its unit; a value copied
// from such a text must read back.
constexpr std::array<std::string_view, 6> kBlanks = {" ", "\t", "\r", "\n", "\u00A0", "\u202F"};
constexpr std::array<std::string_view, 4> kOhmUnits = {"\u03A9", "\u2126", "ohms", "ohm"};
constexpr std::array<std::string_view, 3> kPlusMinus = {"\u00B1", "+/-", "+-"};

constexpr int kExponentCap = 100000;  // far beyond the accepted range, so capping changes no answer
constexpr int kMaxDigits = 15;

// The power of ten of a prefix letter, or of R, which stands for the point alone.
std::optional<int> letterPower(char c)
{
    switch (c) {
    case 'R':
    case 'r':
        return 0;
    case 'K':
    case 'k':
        return 3;
    case 'M':
        return 6;
    case 'G':
    case 'g':
        return 9;
    case 'T':
    case 't':
        return 12;
    default:
        return std::nullopt;
    }
}

class Cursor {
public:
    explicit Cursor(std::string_view text)
        : m_rest(text)
    { }

    bool atEnd() const { return m_rest.empty(); }
    char peek(std::size_t ahead = 0) const { return ahead < m_rest.size() ? m_rest[ahead] : '\0'; }
    void advance() { m_rest.remove_prefix(1); }

    bool take(std::string_view token)
    {
        const bool found = common::EqualsIgnoringAsciiCase(m_rest.substr(0, token.size()), token);
        if (found)
            m_rest.remove_prefix(token.size());
        return found;
    }

    template <std::size_t N>
    bool takeAny(const std::array<std::string_view, N>& tokens)
    {
        return std::any_of(tokens.begin(), tokens.end(), [this](std::string_view t) { return take(t); });
    }

    void skipBlanks()
    {
        while (takeAny(kBlanks)) { }
    }

    std::string digits()
    {
        std::string taken;
        while (common::IsAsciiDigit(peek())) {
            taken += peek();
            advance();
        }
        return taken;
    }

    // Digits with an optional '.' or ',' among them.
    std::string number()
    {
        std::string taken = digits();
        if (peek() == '.' || peek() == ',') {
            advance();
            taken += '.' + digits();
        }
        return taken;
    }

    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
};

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), common::IsAsciiDigit);
}

ValueReading refused(ValueError error)
{
    return {std::nullopt, error, std::nullopt};
}

// "1,000", "4.700": one to three digits, not a lone 0, then a mark and exactly three digits.
bool mayGroupThousands(std::string_view number)
{
    const std::size_t mark = number.find('.');
    return mark != std::string_view::npos && mark >= 1 && mark <= 3 && number[0] != '0' &&
        number.size() - mark - 1 == 3;
}

// "1e3", "1E-3": only when a digit follows, so that "4.7e" stays trailing text.
int takeExponent(Cursor& cursor)
{
    const bool sign = cursor.peek(1) == '-' || cursor.peek(1) == '+';
    if ((cursor.peek() != 'e' && cursor.peek() != 'E') || !common::IsAsciiDigit(cursor.peek(sign ? 2 : 1)))
        return 0;
    cursor.advance();
    const bool negative = cursor.peek() == '-';
    if (sign)
        cursor.advance();
    int exponent = 0;
    for (const char c : cursor.digits())
        exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
    return negative ? -exponent : exponent;
}

std::optional<Decimal> takeTolerance(Cursor& cursor)
{
    cursor.takeAny(kPlusMinus);
    cursor.skipBlanks();
    const auto percent = DecimalFromText(cursor.number());
    cursor.skipBlanks();
    if (!percent || !cursor.take("%") || *percent <= Decimal {} || *percent >= MakeDecimal(100))
        return std::nullopt;
    cursor.skipBlanks();
    return cursor.atEnd() ? percent : std::nullopt;
}

ValueReading checked(std::optional<Decimal> digits, int power, std::optional<Decimal> tolerance)
{
    if (!digits)
        return refused(ValueError::TooManyDigits);
    if (digits->mantissa == 0)
        return refused(ValueError::NotPositive);
    const auto ohms = ScaledByPowerOfTen(*digits, power);
    if (!ohms || *ohms > MakeDecimal(1, 12))
        return refused(!ohms && power < 0 ? ValueError::TooSmall : ValueError::TooLarge);
    if (*ohms < MakeDecimal(1, -3))
        return refused(ValueError::TooSmall);
    if (SignificantDigits(*ohms) > kMaxDigits)
        return refused(ValueError::TooManyDigits);
    return {TypedValue {*ohms, tolerance}, ValueError::None, std::nullopt};
}

}  // namespace

ValueReading ReadTypedValue(std::string_view text)
{
    Cursor cursor(text);
    cursor.skipBlanks();
    if (cursor.atEnd())
        return refused(ValueError::Empty);
    if (cursor.peek() == '-')
        return refused(ValueError::NotPositive);

    std::string number = cursor.number();
    int power = 0;
    // A letter between digits stands for the point: "4k7", "R47".
    const bool letterIsPoint =
        number.find('.') == std::string::npos && letterPower(cursor.peek()) && common::IsAsciiDigit(cursor.peek(1));
    if (letterIsPoint) {
        power = *letterPower(cursor.peek());
        cursor.advance();
        number += '.' + cursor.digits();
    }
    if (!hasDigit(number))
        return refused(cursor.peek() == 'm' ? ValueError::AmbiguousPrefix : ValueError::NotANumber);

    bool scaled = letterIsPoint;
    if (!letterIsPoint) {
        const std::string_view beforeExponent = cursor.rest();
        power = takeExponent(cursor);
        scaled = cursor.rest() != beforeExponent;
        cursor.skipBlanks();
        if (const auto letter = letterPower(cursor.peek())) {
            power += *letter;
            cursor.advance();
            scaled = true;
        }
    }
    if (cursor.peek() == 'm')
        return refused(ValueError::AmbiguousPrefix);
    cursor.skipBlanks();
    cursor.takeAny(kOhmUnits);
    cursor.skipBlanks();

    std::optional<Decimal> tolerance;
    if (!cursor.atEnd()) {
        const std::string_view rest = cursor.rest();
        const bool looksLikeTolerance = rest.find('%') != std::string_view::npos ||
            std::any_of(kPlusMinus.begin(), kPlusMinus.end(), [&](std::string_view t) { return rest.starts_with(t); });
        if (!looksLikeTolerance)
            return refused(ValueError::TrailingText);
        tolerance = takeTolerance(cursor);
        if (!tolerance)
            return refused(ValueError::BadTolerance);
    }
    const ValueReading reading = checked(DecimalFromText(number), power, tolerance);
    if (scaled || !mayGroupThousands(number))
        return reading;
    std::string grouped = number;
    grouped.erase(grouped.find('.'), 1);
    const ValueReading thousands = checked(DecimalFromText(grouped), power, tolerance);
    if (!reading.value || !thousands.value)
        return reading;
    return {std::nullopt, ValueError::AmbiguousMark, std::pair(*thousands.value, *reading.value)};
}

}  // namespace values

#pragma once

#include "common/values/decimal.h"

#include <string>
#include <string_view>
#include <vector>

namespace values {

// The three ways a chip resistor's value is printed on it.
enum class SmdKind {
    Jumper,  // "0", "000": a 0 Ω link
    ThreeDigit,  // two digits and a power of ten, "472"; or R as the point, "4R7", "R47", "10R"
    FourDigit,  // three digits and a power of ten, "4701"; or R as the point, "49R9"
    Eia96,  // the number of an E96 member (01 … 96) and a letter for the multiplier, "68B"
};

struct SmdReading {
    SmdKind kind;
    Decimal ohms;

    friend bool operator==(const SmdReading&, const SmdReading&) = default;
};

enum class SmdError {
    None,
    Empty,
    UnknownShape,  // neither 3 nor 4 characters of a known shape: "4K7", "12345", "ABC"
    LeadingZero,  // "047": a digit code never starts with 0, so this is a misreading
    UnknownIndex,  // the shape of an EIA-96 code with a number outside 01 … 96: "97A"
};

// Case and surrounding blanks are ignored. A code two shapes share gives every reading: "10R" is
// 10 Ω written with R as the point and also EIA-96 number 10 (124) times 0.01, so 1.24 Ω. That is
// the only shape that overlaps, since R is the only EIA-96 letter that is also a point.
struct SmdDecoding {
    std::vector<SmdReading> readings;  // EIA-96 first when ambiguous
    SmdError error = SmdError::None;  // set exactly when readings is empty
};

SmdDecoding DecodeSmd(std::string_view code);

struct SmdMarking {
    SmdKind kind;
    std::string code;

    friend bool operator==(const SmdMarking&, const SmdMarking&) = default;
};

// The markings a part of this value can carry, in the order of SmdKind; empty when there is none
// (too many digits, too small, too large, negative). EIA-96 codes use the letters X, Y and B rather
// than S, R and H, so that none of them reads as a point.
std::vector<SmdMarking> EncodeSmd(Decimal ohms);

}  // namespace values

#pragma once

#include "common/values/series.h"
#include "common/values/tolerance.h"
#include "common/values/typed_value.h"

#include <optional>
#include <string>
#include <vector>

namespace bandwise {

// What can be told about a resistor's value beyond the box: the range its tolerance allows,
// whether it is a standard value (or the nearest standard values in the series its tolerance
// implies), the code printed on parts and its SMD markings. Then, when the stripes read as a value
// from the other end too, that value and whether it is standard: the standard one is usually the
// end to start from. The window words them in the language in use.
struct ValueFacts {
    values::TypedValue value;
    std::optional<values::ValueRange> range;  // with a tolerance that allows one
    values::StandardVerdict verdict;
    // Not standard in the tolerance's series: the members either side.
    std::optional<values::SeriesNeighbours> nearest;
    std::string marking;  // "4K7"
    std::vector<std::string> smdCodes;
    struct OtherEnd {
        values::TypedValue value;
        std::optional<values::Series> standardIn;  // judged by its own tolerance
    };
    std::optional<OtherEnd> otherEnd;
};

// Nothing for a value no resistor has.
std::optional<ValueFacts> FactsOf(const values::TypedValue& reading, const std::optional<values::TypedValue>& otherEnd);

}  // namespace bandwise

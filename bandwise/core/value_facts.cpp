#include "bandwise/core/value_facts.h"

#include "common/values/notation.h"
#include "common/values/smd.h"

namespace bandwise {

std::optional<ValueFacts> FactsOf(const values::TypedValue& reading, const std::optional<values::TypedValue>& otherEnd)
{
    using values::Decimal;
    if (reading.ohms <= Decimal {})
        return std::nullopt;
    ValueFacts facts {reading, std::nullopt, values::JudgeStandard(reading.ohms, reading.tolerancePercent), {},
        values::RkmText(reading.ohms), {}, {}};
    if (reading.tolerancePercent)
        facts.range = values::ToleranceRange(reading.ohms, *reading.tolerancePercent);
    if (facts.verdict.expected && !facts.verdict.holding)
        facts.nearest = values::NearestInSeries(reading.ohms, *facts.verdict.expected);
    for (const values::SmdMarking& marking : values::EncodeSmd(reading.ohms))
        facts.smdCodes.push_back(marking.code);
    if (otherEnd && Decimal {} < otherEnd->ohms)
        facts.otherEnd = {*otherEnd, values::JudgeStandard(otherEnd->ohms, otherEnd->tolerancePercent).holding};
    return facts;
}

}  // namespace bandwise

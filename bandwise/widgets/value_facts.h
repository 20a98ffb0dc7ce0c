#pragma once

#include "common/values/typed_value.h"

#include <QString>

class QLineEdit;

namespace bandwise {

// What can be told about a resistor's value beyond the box: the value and tolerance in engineering
// form, the range the tolerance allows, whether it is a standard value (or the nearest standard
// values in the series its tolerance implies), the code printed on parts and its SMD markings.
// One fact a line, in the language in use; empty for a value no resistor has.
QString ValueFacts(const values::TypedValue& reading, const QString& decimalSeparator);

// Shows the facts as the box's tooltip and tells them to screen readers as its description.
void showValueFacts(QLineEdit* box, const std::optional<values::TypedValue>& reading);

}  // namespace bandwise

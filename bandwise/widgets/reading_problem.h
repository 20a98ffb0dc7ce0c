#pragma once

#include "common/values/typed_value.h"

#include <QString>

namespace bandwise {

// Why typed text is no value, in the language in use: a reading that failed, told with the text
// as typed. A mark that may separate thousands or decimals is told with both meanings, each in the
// user's decimal separator, and the part codes to type for each.
QString readingProblem(const values::ValueReading& reading, const QString& text, const QString& decimalSeparator);

}  // namespace bandwise

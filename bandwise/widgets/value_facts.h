#pragma once

#include "common/values/typed_value.h"

#include <QString>

#include <functional>

class QLineEdit;
class QMenu;

namespace bandwise {

// What can be told about a resistor's value beyond the box: the value and tolerance in engineering
// form, the range the tolerance allows, whether it is a standard value (or the nearest standard
// values in the series its tolerance implies), the code printed on parts and its SMD markings.
// Then, when the stripes read as a value from the other end too, that value and whether it is
// standard: the standard one is usually the end to start from. One fact a line, in the language in
// use; empty for a value no resistor has.
QString valueFacts(const values::TypedValue& reading, const std::optional<values::TypedValue>& otherEnd,
    const QString& decimalSeparator);

// Shows the facts as the box's tooltip and tells them to screen readers as its description.
void showValueFacts(QLineEdit* box, const std::optional<values::TypedValue>& reading,
    const std::optional<values::TypedValue>& otherEnd);

// The box's own menu with three more entries: copy the value as "4.7 kΩ", as "4K7", and copy the
// bands' colour words ("Yellow Violet Red Gold"). The value entries need a reading, the last one
// bands. The caller owns the menu.
QMenu* valueMenu(QLineEdit* box, const std::optional<values::TypedValue>& reading, const QStringList& bands);

// Gives the box that menu on a right click, with the reading and bands of that moment.
void offerValueMenu(QLineEdit* box, std::function<QMenu*()> makeMenu);

}  // namespace bandwise

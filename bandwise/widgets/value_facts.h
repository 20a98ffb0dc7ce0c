#pragma once

#include "common/values/typed_value.h"

#include <QKeyCombination>
#include <QString>

#include <functional>

class QLineEdit;
class QMenu;

namespace bandwise {

// Shows what can be told about the value, one fact a line in the language in use, as the box's
// tooltip, and tells it to screen readers as its description; nothing for a value no resistor has.
void showValueFacts(QLineEdit* box, const std::optional<values::TypedValue>& reading,
    const std::optional<values::TypedValue>& otherEnd);

// The box's own menu with three more entries: copy the value as "4.7 kΩ", as "4K7", and copy the
// bands' colour words ("Yellow Violet Red Gold"). The value entries need a reading, the last one
// bands. The caller owns the menu.
QMenu* valueMenu(QLineEdit* box, const std::optional<values::TypedValue>& reading, const QStringList& bands);

// "Find standard values…" at the end of a value box's menu, with the window's key for it.
inline constexpr QKeyCombination kFindStandardValuesKey(Qt::CTRL | Qt::Key_F);
void addFinderEntry(QMenu* menu, std::function<void()> find);

// Gives the box that menu on a right click, with the reading and bands of that moment.
void offerValueMenu(QLineEdit* box, std::function<QMenu*()> makeMenu);

}  // namespace bandwise

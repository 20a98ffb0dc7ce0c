#pragma once

#include <QStringList>

class QWidget;

namespace testsupport {

// Every visible text under root that does not fit its control, as "objectName: text".
QStringList clippedCaptions(const QWidget* root);

}  // namespace testsupport

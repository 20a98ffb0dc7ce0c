#pragma once

#include <QLabel>
#include <QWidget>

namespace ui {

// Captions and messages come from files a user can edit. A label would take any that looks like
// HTML as rich text and load the images it names, so "<img src=/dev/zero>" or a named pipe could
// exhaust or hang the program. Called once a window's labels exist and before any text from a file
// reaches them, so that no label is ever laid out as rich text.
inline void keepLabelsPlain(const QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

}  // namespace ui

#pragma once

#include <QPushButton>
#include <QWidget>

namespace ui {

// Enter presses the focused button, as Space does, in windows that are not dialogs too (where Qt
// leaves it to dialogs alone).
inline void pressButtonsOnEnter(const QWidget* window)
{
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

}  // namespace ui

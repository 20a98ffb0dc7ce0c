#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>

namespace bandwise {

// The timers rewrite their outputs every 100 ms; writing only real changes keeps an idle window
// from repainting.
// A box too narrow for its text shows the beginning, as a result is read from the left.
inline void updateText(QLineEdit* box, const QString& text)
{
    if (box->text() != text) {
        box->setText(text);
        box->setCursorPosition(0);
    }
}

inline void updateText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

}  // namespace bandwise

#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>

namespace bandwise {

// The timers rewrite their outputs every 100 ms; writing only real changes keeps an idle window
// from repainting.
inline void updateText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

inline void updateText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

}  // namespace bandwise

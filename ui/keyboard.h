#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

namespace ui {

// Enter presses the focused button, as Space does, in windows that are not dialogs too (where Qt
// leaves it to dialogs alone).
inline void pressButtonsOnEnter(const QWidget* window)
{
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

// A text box claims some keys that a window's shortcut may use (Ctrl+E moves to the end of the
// line), and the shortcut would then never fire while one has the focus. This hands the
// shortcut's key back to it from every text box of its window, for as long as it exists.
class ShortcutOverTextBoxes : public QObject {
public:
    explicit ShortcutOverTextBoxes(QShortcut* shortcut)
        : QObject(shortcut)
        , m_shortcut(shortcut)
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* box = qobject_cast<QLineEdit*>(watched);
        const auto* window = qobject_cast<QWidget*>(m_shortcut->parent());
        if (!box || !window || box->window() != window->window() ||
            QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) != m_shortcut->key())
            return false;
        event->ignore();
        return true;
    }

private:
    QShortcut* m_shortcut;
};

}  // namespace ui

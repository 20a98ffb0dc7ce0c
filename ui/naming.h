#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <string_view>

namespace ui {

inline QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Controls are addressed by their object names, so that tests and the language loader find them
// without holding pointers.
template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The named widgets under `root` by name (of two with one name, the first findChildren lists),
// gathered in one walk of the window: findChild walks all of it again for each name, and a
// window applying a hundred captions would walk its several hundred objects a hundred times.
inline QHash<QString, QWidget*> namedWidgets(const QWidget* root)
{
    QHash<QString, QWidget*> byName;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !byName.contains(name))
            byName.insert(name, widget);
    }
    return byName;
}

}  // namespace ui

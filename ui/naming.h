#pragma once

#include <QString>

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

}  // namespace ui

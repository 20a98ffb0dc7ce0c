#include "platform/colour_picker.h"

#include "ui/screen_fit.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace platform {

QtColourPicker::QtColourPicker()
{
    // A path below a regular file cannot be created, so Qt's attempt to save fails quietly.
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/bandwise-settings"));
}

std::optional<common::DisplayColour> QtColourPicker::ShowColorDialog(common::DisplayColour initial)
{
    // Custom colours picked in one call are not offered in the next.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::black);
    QColorDialog dialog(QColor(initial.red(), initial.green(), initial.blue()));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    // At a large scale on a small screen the dialog would run off it, its OK and Cancel with it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        ui::scrollWhenLargerThan(&dialog, screen->availableGeometry());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor picked = dialog.selectedColor();
    return common::DisplayColour::fromRgb(picked.red(), picked.green(), picked.blue());
}

}  // namespace platform

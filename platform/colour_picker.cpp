#include "platform/colour_picker.h"

#include "ui/colours.h"
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

std::int32_t QtColourPicker::ShowColorDialog(std::intptr_t, bool, std::int32_t InitColor)
{
    // Qt's dialog always shows its custom colours, so there is nothing to open further for
    // bFullOpen; and there are no system colour references to translate: anything outside the
    // 24-bit range stands for "no colour", shown as white.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::black);
    const bool plain = InitColor >= 0 && InitColor <= 0xFFFFFF;
    QColorDialog dialog(plain ? ui::toQColor(common::DisplayColour {InitColor}) : QColor(Qt::white));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    // At a large scale on a small screen the dialog would run off it, its OK and Cancel with it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        ui::scrollWhenLargerThan(&dialog, screen->availableGeometry());
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return ui::toDisplayColour(dialog.selectedColor()).value;
}

}  // namespace platform

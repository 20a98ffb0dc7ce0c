#include "platform/colour_picker.h"
#include "settings/settings_window.h"
#include "ui/program_start.h"
#include "ui/screen_fit.h"

#include <QScreen>

int main(int argc, char* argv[])
{
    const auto start = ui::ProgramStart::begin(argc, argv, "Settings", settings::applySettingsLook);
    if (!start)
        return 1;
    platform::QtColourPicker picker;
    settings::SettingsWindow window(start->places(), start->messages(), picker);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!ui::scrollWhenLargerThan(&window, screen->availableGeometry()))
        window.move(screen->geometry().center() - window.rect().center());
    return start->run(window);
}

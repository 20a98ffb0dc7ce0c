#include "platform/colour_picker.h"
#include "platform/display_check.h"
#include "platform/file_access.h"
#include "platform/message_presenter.h"
#include "platform/program_directory.h"
#include "platform/termination.h"
#include "settings/settings_window.h"
#include "ui/program_icon.h"
#include "ui/screen_fit.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    platform::KeepRunningPastFileSizeLimit();
    if (const auto reason = platform::MissingDisplayReason()) {
        std::fprintf(stderr, "Settings cannot start: %s.\n", reason->c_str());
        return 1;
    }
    platform::DisplayOpening opening("Settings");
    QApplication app(argc, argv);
    opening.reached();
    settings::applySettingsLook(app);
    app.setWindowIcon(ui::programIcon());
    platform::QtMessagePresenter messages;
    platform::QtColourPicker picker;
    const std::optional<std::filesystem::path> directory = platform::ProgramDirectory();
    if (!directory) {
        std::fprintf(stderr, "Settings cannot start: the directory it was started from cannot be found.\n");
        return 1;
    }
    const common::FilePlaces places = platform::ChooseFilePlaces(*directory);
    platform::ClearLeftoverSaves(places);
    settings::SettingsWindow window(places, messages, picker);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!ui::scrollWhenLargerThan(&window, screen->availableGeometry()))
        window.move(screen->geometry().center() - window.rect().center());
    window.show();
    platform::CloseWindowsOnTermination();
    return app.exec();
}

#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/look.h"
#include "platform/desktop.h"
#include "platform/display_check.h"
#include "platform/file_access.h"
#include "platform/message_presenter.h"
#include "platform/program_directory.h"
#include "platform/termination.h"
#include "ui/program_icon.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    platform::KeepRunningPastFileSizeLimit();
    if (const auto reason = platform::MissingDisplayReason()) {
        std::fprintf(stderr, "Bandwise cannot start: %s.\n", reason->c_str());
        return 1;
    }
    platform::DisplayOpening opening("Bandwise");
    QApplication app(argc, argv);
    opening.reached();
    bandwise::applyBandwiseLook(app);
    app.setWindowIcon(ui::programIcon());
    platform::QtMessagePresenter messages;
    platform::SystemDesktop desktop;
    const std::optional<std::filesystem::path> directory = platform::ProgramDirectory();
    if (!directory) {
        std::fprintf(stderr, "Bandwise cannot start: the directory it was started from cannot be found.\n");
        return 1;
    }
    const common::FilePlaces places = platform::ChooseFilePlaces(*directory);
    platform::ClearLeftoverSaves(places);
    const QScreen* screen = QGuiApplication::primaryScreen();
    bandwise::MainWindow window(places, messages, desktop, screen->geometry(), screen->availableGeometry());
    window.show();
    platform::CloseWindowsOnTermination();
    return app.exec();
}

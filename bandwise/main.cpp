#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/look.h"
#include "platform/desktop.h"
#include "ui/program_start.h"

#include <QScreen>

int main(int argc, char* argv[])
{
    const auto start = ui::ProgramStart::begin(argc, argv, "Bandwise", bandwise::applyBandwiseLook);
    if (!start)
        return 1;
    platform::SystemDesktop desktop;
    const QScreen* screen = QGuiApplication::primaryScreen();
    bandwise::MainWindow window(
        start->places(), start->messages(), desktop, screen->geometry(), screen->availableGeometry());
    return start->run(window);
}

#include "ui/program_start.h"

#include "platform/display_check.h"
#include "platform/file_access.h"
#include "platform/font_preload.h"
#include "platform/program_directory.h"
#include "platform/termination.h"
#include "ui/program_icon.h"

#include <QWidget>

#include <cstdio>

namespace ui {

ProgramStart::ProgramStart(int& argc, char** argv)
    : m_app(argc, argv)
{ }

std::unique_ptr<ProgramStart> ProgramStart::begin(int& argc, char** argv, const char* program, Look look)
{
    platform::KeepRunningPastFileSizeLimit();
    if (const auto reason = platform::MissingDisplayReason()) {
        std::fprintf(stderr, "%s cannot start: %s.\n", program, reason->c_str());
        return nullptr;
    }
    platform::FontPreload fonts;
    platform::DisplayOpening opening(program);
    std::unique_ptr<ProgramStart> start(new ProgramStart(argc, argv));
    opening.reached();
    look(start->m_app);
    // Drawn once, here: a window without an icon of its own shows the application's.
    start->m_app.setWindowIcon(programIcon());
    const std::optional<std::filesystem::path> directory = platform::ProgramDirectory();
    if (!directory) {
        std::fprintf(stderr, "%s cannot start: the directory it was started from cannot be found.\n", program);
        return nullptr;
    }
    start->m_places = platform::ChooseFilePlaces(*directory);
    platform::ClearLeftoverSaves(*start->m_places);
    fonts.wait();
    return start;
}

int ProgramStart::run(QWidget& window)
{
    window.show();
    platform::CloseWindowsOnTermination();
    return m_app.exec();
}

}  // namespace ui

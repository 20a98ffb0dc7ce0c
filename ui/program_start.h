#pragma once

#include "common/file_places.h"
#include "platform/message_presenter.h"

#include <QApplication>

#include <memory>
#include <optional>

class QWidget;

namespace ui {

// The start and the run that both programs share around their own window. A program that cannot
// start says why in one line on standard error, "<program> cannot start: <reason>.", and ends
// with status 1.
class ProgramStart {
public:
    using Look = void (*)(QApplication&);

    // Checks for a display, starts Qt with the program's look and icon, and decides where the
    // program's files are, clearing what killed saves left there. Nothing when the program cannot
    // start, once it has said so. argc must outlive the result, as Qt keeps it.
    static std::unique_ptr<ProgramStart> begin(int& argc, char** argv, const char* program, Look look);

    const common::FilePlaces& places() const { return *m_places; }
    platform::MessagePresenter& messages() { return m_messages; }

    // Shows the window, closes it as the user would when the session ends the program, and
    // runs until the last window closes; the program's exit status.
    int run(QWidget& window);

private:
    ProgramStart(int& argc, char** argv);

    QApplication m_app;
    platform::QtMessagePresenter m_messages;
    std::optional<common::FilePlaces> m_places;
};

}  // namespace ui

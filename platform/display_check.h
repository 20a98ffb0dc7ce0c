#pragma once

#include <optional>
#include <string>

namespace platform {

// Why no window could be shown, or nothing when a display is there. Checked before Qt starts,
// because Qt aborts the process when it cannot reach one.
std::optional<std::string> MissingDisplayReason();

// Around the start of Qt: a display that is named but cannot be reached (a server that is not
// there, a socket refused) ends the program with one line on standard error and status 1, as a
// missing display does, instead of Qt's abort. Qt's own lines of the start are held back until it
// is known whether they are needed, and passed on once the display is reached.
class DisplayOpening {
public:
    explicit DisplayOpening(const char* program);
    ~DisplayOpening() { reached(); }
    // Qt has started: its held lines go out, and its messages take their usual way again.
    void reached();
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;

private:
    bool m_open = true;
};

}  // namespace platform

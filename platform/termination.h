#pragma once

namespace platform {

// Closes every window, as the user would, when the desktop session asks the program to end
// (SIGTERM, SIGINT, SIGHUP), so that what closing saves is saved, and quits. Call it once the
// main window is shown; later calls do nothing. Until then the signals keep their default
// action: a program still starting, a start-up message box included, just ends without saving,
// which loses nothing since the user has changed nothing yet.
void CloseWindowsOnTermination();

}  // namespace platform

#pragma once

namespace platform {

// Closes every window, as the user would, when the desktop session asks the program to end
// (SIGTERM, SIGINT, SIGHUP), so that what closing saves is saved. Call once, after the
// QApplication exists.
void CloseWindowsOnTermination();

}  // namespace platform

#pragma once

#include <thread>

namespace platform {

// Reads the desktop's font configuration on a thread of its own, from construction on. Qt reads
// it the first time a widget measures text, which on Linux is the single largest cost before a
// window's first frame; begun before Qt connects to the display, it is done on a second core by
// the time the window is built. Qt then finds it read and does not read it again. Built without
// fontconfig, this does nothing.
class FontPreload {
public:
    FontPreload();
    // Returns once the configuration is read. Call it before the first widget is made: Qt reading
    // the configuration at the same time would not wait for this thread but read it a second time.
    void wait();

private:
    std::jthread m_reading;
};

}  // namespace platform

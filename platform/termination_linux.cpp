#include "platform/termination.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

// [0] is written by the handler, [1] watched by the event loop. Non-blocking, so that a burst of
// signals can never stall the thread the handler interrupts; close-on-exec, so that programs we
// start do not hold it.
int g_signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest. A full pipe already holds a
// pending request, which is all the event loop needs, so a failed write is of no concern.
void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void CloseWindowsOnTermination()
{
    if (g_signalPipe[0] != -1)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, qApp);
    // The notifier stays enabled: a request that a message box or a refused close swallowed
    // must not leave the program deaf to the next one.
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char bytes[256];
        while (::read(g_signalPipe[1], bytes, sizeof bytes) > 0) { }
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A signal the program was started ignoring (nohup, a background job) stays ignored.
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction inherited = {};
        if (::sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace platform

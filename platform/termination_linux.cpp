#include "platform/termination.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

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

// Set by the handler too, for when no descriptors were left for the pair: the event loop then
// looks for it now and then instead of being woken.
volatile std::sig_atomic_t g_requested = 0;

// Only async-signal-safe work here: the event loop does the rest. A full pipe already holds a
// pending request, which is all the event loop needs, so a failed write is of no concern.
void onSignal(int)
{
    const int savedErrno = errno;
    g_requested = 1;
    const char byte = 1;
    if (g_signalPipe[0] != -1) {
        [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
    }
    errno = savedErrno;
}

// Cleared first, so that a signal arriving while the windows close is a request of its own.
void closeOnRequest()
{
    if (g_requested == 0)
        return;
    g_requested = 0;
    QApplication::closeAllWindows();
    QApplication::quit();
}

}  // namespace

void CloseWindowsOnTermination()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // The notifier and the timer stay on: a request that a message box or a refused close
    // swallowed must not leave the program deaf to the next one.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, qApp);
        QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
            char bytes[256];
            while (::read(g_signalPipe[1], bytes, sizeof bytes) > 0) { }
            closeOnRequest();
        });
    } else {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, qApp, &closeOnRequest);
        poll->start(200);
    }
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

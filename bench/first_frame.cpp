// Times a program's start-up from outside, so that the shipped programs carry no benchmark code:
//
//   first_frame [--kill] -- PROGRAM [ARGUMENT...]
//
// starts PROGRAM and prints, on standard output, "pid: N" once it runs, "first-frame-ms: N" when
// the X server first reports drawing where the first top-level window it maps lies (milliseconds
// since just before the launch), and "peak-memory-kb: N" once PROGRAM has ended: at once after the first
// frame with --kill (SIGTERM), otherwise whenever something else ends it. PROGRAM's own standard
// output goes to standard error, so standard output holds only these lines. Exits 1 when PROGRAM
// shows no frame within 20 s. Meant for a screen of its own without a window manager (Xvfb),
// where a program's window is a child of the root window and nothing else draws.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <vector>

namespace {

constexpr double kFrameTimeoutMs = 20000;
constexpr double kEndTimeoutMs = 20000;
constexpr int kPollMs = 10;

double nowMs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void stopChild(pid_t child)
{
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

struct TopLevel {
    Window window;
    XRectangle area;
};

bool overlaps(const XRectangle& a, const XRectangle& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

XRectangle areaOf(int x, int y, int width, int height)
{
    return {static_cast<short>(x), static_cast<short>(y), static_cast<unsigned short>(width),
        static_cast<unsigned short>(height)};
}

// Waits for the first drawing in the first top-level window the program maps; returns the time it
// arrived, or a negative number when the child ends or the time runs out first.
double waitForFirstFrame(Display* display, int damageEventBase, pid_t child, double launchedAt)
{
    std::vector<TopLevel> created;
    std::optional<XRectangle> shown;
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const auto find = [&](Window window) {
                return std::find_if(created.begin(), created.end(),
                    [&](const TopLevel& candidate) { return candidate.window == window; });
            };
            if (event.type == CreateNotify) {
                const XCreateWindowEvent& create = event.xcreatewindow;
                created.push_back({create.window, areaOf(create.x, create.y, create.width, create.height)});
            } else if (event.type == ConfigureNotify) {
                const XConfigureEvent& configure = event.xconfigure;
                if (const auto window = find(configure.window); window != created.end())
                    window->area = areaOf(configure.x, configure.y, configure.width, configure.height);
            } else if (event.type == MapNotify && !shown) {
                if (const auto window = find(event.xmap.window); window != created.end())
                    shown = window->area;
            } else if (event.type == damageEventBase + XDamageNotify && shown &&
                overlaps(reinterpret_cast<XDamageNotifyEvent*>(&event)->area, *shown)) {
                return nowMs();
            }
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "first_frame: the program ended before showing a window\n");
            return -1;
        }
        const double left = kFrameTimeoutMs - (nowMs() - launchedAt);
        if (left <= 0) {
            std::fprintf(stderr, "first_frame: no frame within %.0f s\n", kFrameTimeoutMs / 1e3);
            stopChild(child);
            return -1;
        }
        pollfd connection {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, std::min(kPollMs, static_cast<int>(left) + 1));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    int first = 1;
    bool endAfterFrame = false;
    if (first < argc && std::strcmp(argv[first], "--kill") == 0) {
        endAfterFrame = true;
        ++first;
    }
    if (first < argc && std::strcmp(argv[first], "--") == 0)
        ++first;
    if (first >= argc) {
        std::fprintf(stderr, "usage: first_frame [--kill] -- PROGRAM [ARGUMENT...]\n");
        return 2;
    }

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_frame: cannot open display \"%s\"\n", XDisplayName(nullptr));
        return 1;
    }
    int damageEventBase = 0;
    int damageErrorBase = 0;
    int major = 1;
    int minor = 1;
    if (!XDamageQueryExtension(display, &damageEventBase, &damageErrorBase) ||
        !XDamageQueryVersion(display, &major, &minor)) {
        std::fprintf(stderr, "first_frame: the X server has no DAMAGE extension\n");
        return 1;
    }
    // Both in place before the launch, so that no window of the program and none of its drawing can
    // slip by unseen. The root window's damage covers the drawing in every window on it; a damage
    // object made for the program's own window once it appears would come too late when the
    // program maps the window first, and would then report all of it as drawn at once.
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XDamageCreate(display, root, XDamageReportRawRectangles);
    // Dropping what the new damage object reports at once: the whole screen, drawn before the launch.
    XSync(display, True);
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

    std::fflush(stdout);
    const double launchedAt = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("first_frame: fork");
        return 1;
    }
    if (child == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "first_frame: cannot run %s: %s\n", argv[first], std::strerror(errno));
        _exit(127);
    }
    std::printf("pid: %d\n", static_cast<int>(child));
    std::fflush(stdout);

    const double frameAt = waitForFirstFrame(display, damageEventBase, child, launchedAt);
    XCloseDisplay(display);
    if (frameAt < 0)
        return 1;
    std::printf("first-frame-ms: %.2f\n", frameAt - launchedAt);
    std::fflush(stdout);

    if (endAfterFrame)
        kill(child, SIGTERM);
    const double endAskedAt = nowMs();
    rusage usage {};
    for (;;) {
        const pid_t ended = wait4(child, nullptr, endAfterFrame ? WNOHANG : 0, &usage);
        if (ended == child)
            break;
        if (ended < 0 && errno != EINTR) {
            std::perror("first_frame: wait");
            return 1;
        }
        if (endAfterFrame && nowMs() - endAskedAt > kEndTimeoutMs) {
            std::fprintf(
                stderr, "first_frame: the program did not end within %.0f s of SIGTERM\n", kEndTimeoutMs / 1e3);
            stopChild(child);
            return 1;
        }
        if (endAfterFrame)
            usleep(kPollMs * 1000);
    }
    std::printf("peak-memory-kb: %ld\n", usage.ru_maxrss);
    return 0;
}

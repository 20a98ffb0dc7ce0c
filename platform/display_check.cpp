#include "platform/display_check.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace platform {

namespace {

struct HeldLine {
    QtMsgType type;
    QString category;
    QString text;
};

// A message handler is a plain function, so what it needs lives here; one opening at a time.
// Qt may log from its event thread while it starts.
const char* g_program = nullptr;
QtMessageHandler g_previous = nullptr;
std::mutex g_heldLock;
std::vector<HeldLine> g_held;

// What Qt's X11 and Wayland platforms say when their server is not there.
bool displayUnreachable()
{
    for (const HeldLine& line : g_held) {
        if (line.text.contains(QLatin1String("could not connect to display")) ||
            line.text.contains(QLatin1String("Failed to create wl_display")))
            return true;
    }
    return false;
}

// What was asked for, so the line names the display that failed.
std::string displaySettings()
{
    std::string settings;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            settings += std::string(settings.empty() ? "" : ", ") + name + "=" + value;
    }
    return settings;
}

void passOn(const HeldLine& line)
{
    const QByteArray category = line.category.toUtf8();
    const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
    g_previous(line.type, context, line.text);
}

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(g_heldLock);
    if (type != QtFatalMsg) {
        g_held.push_back({type, QString::fromUtf8(context.category), text});
        return;
    }
    // No platform could start. An unreachable server is said in one line; anything else (a
    // missing plugin or library) in Qt's own words, which name what to install. Nothing of the
    // half-started Qt may run after this, so the process ends here, without destructors.
    if (displayUnreachable()) {
        std::fprintf(
            stderr, "%s cannot start: the display cannot be opened (%s).\n", g_program, displaySettings().c_str());
    } else {
        for (const HeldLine& line : g_held)
            passOn(line);
        std::fprintf(stderr, "%s cannot start: %s\n", g_program, qPrintable(text));
    }
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

DisplayOpening::DisplayOpening(const char* program)
{
    g_program = program;
    g_previous = qInstallMessageHandler(holdOrExit);
}

void DisplayOpening::reached()
{
    if (!m_open)
        return;
    m_open = false;
    qInstallMessageHandler(g_previous);
    const std::lock_guard lock(g_heldLock);
    for (const HeldLine& line : g_held)
        passOn(line);
    g_held.clear();
}

}  // namespace platform

#include "platform/display_check.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

struct HeldLine {
    QtMsgType type;
    QString category;
    QString text;
};

// A message handler is a plain function, so what it needs lives here; one opening at a time.
const char* g_program = nullptr;
QtMessageHandler g_previous = nullptr;
std::vector<HeldLine> g_held;

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

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        g_held.push_back({type, QString::fromUtf8(context.category), text});
        return;
    }
    // Qt's only fatal error while it starts is that no platform could reach its display. Nothing
    // of the half-started Qt may run after this, so the process ends here, without destructors.
    std::fprintf(stderr, "%s cannot start: the display cannot be opened (%s).\n", g_program, displaySettings().c_str());
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
    for (const HeldLine& line : g_held) {
        const QByteArray category = line.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        g_previous(line.type, context, line.text);
    }
    g_held.clear();
}

}  // namespace platform

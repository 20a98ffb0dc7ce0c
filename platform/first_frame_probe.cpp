#include "platform/first_frame_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace platform {

namespace {

class Probe : public QObject {
public:
    Probe(long long launchedAt, bool exit, QObject* parent)
        : QObject(parent)
        , m_launchedAt(launchedAt)
        , m_exit(exit)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            // After the paint event has been handled and the frame flushed to the screen.
            QTimer::singleShot(0, this, [this] {
                const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::steady_clock::now().time_since_epoch())
                                          .count();
                std::printf("first-frame-ms: %.2f\n", static_cast<double>(now - m_launchedAt) / 1e6);
                std::fflush(stdout);
                if (m_exit)
                    QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long m_launchedAt;
    bool m_exit;
    bool m_reported = false;
};

}  // namespace

void ReportFirstFrame(QWidget* window)
{
    bool ok = false;
    const long long launchedAt = qEnvironmentVariable("BANDWISE_BENCH_T0").toLongLong(&ok);
    if (!ok)
        return;
    window->installEventFilter(new Probe(launchedAt, qEnvironmentVariableIsSet("BANDWISE_BENCH_EXIT"), window));
}

}  // namespace platform

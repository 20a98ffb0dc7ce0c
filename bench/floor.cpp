// The floor of the benchmark: a bare Qt Widgets window of the main window's size, nothing else;
// with BENCH_FLOOR_TIMERS=N also N idle 100 ms timers, the toolkit's own cost of polling; with
// BENCH_FLOOR_CAPTION set, one caption, the toolkit's cost of loading fonts for any text.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(761, 697);
    for (int i = 0; i < qEnvironmentVariableIntValue("BENCH_FLOOR_TIMERS"); ++i) {
        auto* timer = new QTimer(&window);
        timer->setInterval(100);
        QObject::connect(timer, &QTimer::timeout, &window, [] {});
        timer->start();
    }
    if (qEnvironmentVariableIsSet("BENCH_FLOOR_CAPTION"))
        new QLabel(QStringLiteral("Bandwise"), &window);
    window.show();
    return app.exec();
}

#pragma once

class QWidget;

namespace platform {

// For the start-up benchmark: when BANDWISE_BENCH_T0 holds the monotonic launch time in
// nanoseconds, prints "first-frame-ms: N" once the window has painted its first frame, and
// quits there when BANDWISE_BENCH_EXIT is set. Does nothing otherwise.
void ReportFirstFrame(QWidget* window);

}  // namespace platform

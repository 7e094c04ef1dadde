#pragma once

class QWidget;

namespace zentrova {

// A hidden hook for bench/run-benchmarks.sh, which times the start on the
// offscreen platform. With ZENTROVA_BENCH_EXIT=shown the program quits as
// soon as its main window has painted itself for the first time; with
// ZENTROVA_BENCH_EXIT=all it then clicks every button of the main window and
// quits once each window opened has painted as well. Without the variable
// it does nothing.
void QuitWhenBenchmarked(QWidget& mainWindow);

}  // namespace zentrova

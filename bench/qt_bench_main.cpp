// Benchmark entry for figures that need a Qt application (pictures, fonts, windows). Runs on the
// offscreen platform unless the environment chose another (QT_QPA_PLATFORM=xcb under a display
// measures real pushes).

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

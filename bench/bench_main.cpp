// The QPainter passes need Qt Gui's fonts, so the benchmarks run inside a QGuiApplication on
// the offscreen platform unless a platform is chosen.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench_cases.h"

namespace {

// Qt Gui's start-up leaves the upper halves of the AVX registers in use, and until some code
// clears them every SSE instruction pays for it: the log10 calls of a sweep run about twenty
// times slower. Qt's own painting clears them, so in a window that has painted once they are
// clear; one paint here measures the passes as a running program makes them.
void paint_once() {
  QImage image(64, 64, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.drawLine(0, 0, 63, 63);
  painter.drawText(8, 32, QStringLiteral("fo"));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  paint_once();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tessaly::bench::register_model_benchmarks();
  tessaly::bench::register_pass_benchmarks();
  tessaly::bench::register_png_benchmarks();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// Packing the window's picture as the renderer's PNG: each program's default graph, drawn once
// at the display magnification, then encoded in the timed loop.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>

#include "bench_cases.h"
#include "programs/descriptor.h"
#include "programs/instance.h"
#include "programs/passes.h"
#include "surface/qpainter_backend.h"
#include "tools/png_encoder.h"

namespace tessaly::bench {
namespace {

void png_encode(benchmark::State& state, const ProgramDescriptor& (*program)()) {
  ProgramInstance window(program());
  const double magnification = window.session.display_magnification;
  QImage image(static_cast<int>(surface::kLogicalWidth * magnification),
               static_cast<int>(surface::kLogicalHeight * magnification), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    surface::QPainterBackend backend(painter, window.surface);
    window_pass(window.session, window.graph, backend, 96, 96);
  }
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(image.constBits());
  const int stride = static_cast<int>(image.bytesPerLine() / 4);
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string png = tools::encode_png(pixels, image.width(), image.height(), stride);
    size = png.size();
    benchmark::DoNotOptimize(png.data());
  }
  state.counters["png_bytes"] = static_cast<double>(size);
}

}  // namespace

void register_png_benchmarks() {
  const std::pair<const char*, const ProgramDescriptor& (*)()> programs[] = {
      {"ombra", ombra_program}, {"velto", velto_program}, {"quirn", quirn_program}};
  for (const auto& [name, program] : programs) {
    benchmark::RegisterBenchmark((std::string("png/") + name).c_str(), png_encode, program)
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace tessaly::bench

// Whole window passes (graph_driver with axes, labels and legends) of each program's default
// graph and of Ombra's impedance locus, into the backend that draws nothing, the recording
// backend and the QPainter backend on the window's backing image. The first pass runs before
// the timing: the figures are for a warm program, as on every repaint after the first.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>

#include "allocation_counter.h"
#include "bench_cases.h"
#include "core/session.h"
#include "graph/context.h"
#include "programs/descriptor.h"
#include "programs/instance.h"
#include "programs/passes.h"
#include "resources/commands.h"
#include "surface/qpainter_backend.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace tessaly::bench {
namespace {

constexpr int kScreenDpi = 96;

struct PassCase {
  const char* name;
  const ProgramDescriptor& (*program)();
  int command;  // a menu command applied after start-up; 0 for the default graph
};

constexpr PassCase kPassCases[] = {
    {"ombra", ombra_program, 0},
    {"velto", velto_program, 0},
    {"quirn", quirn_program, 0},
    {"ombra_locus", ombra_program, 404},
};

// A window's state at the case's graph.
struct BenchWindow : ProgramInstance {
  explicit BenchWindow(const PassCase& c) : ProgramInstance(c.program()) {
    if (c.command != 0) apply_menu_command(session, c.command);
  }

  void pass(surface::Backend& backend) {
    window_pass(session, graph, backend, kScreenDpi, kScreenDpi);
  }
};

// Runs the timed loop of one pass and reports the heap blocks each pass obtained.
template <typename Pass>
void run_passes(benchmark::State& state, Pass pass) {
  pass();
  const std::uint64_t before = allocation_count();
  for (auto _ : state) pass();
  const double blocks = static_cast<double>(allocation_count() - before);
  state.counters["allocs_per_pass"] =
      benchmark::Counter(blocks, benchmark::Counter::kAvgIterations);
}

void null_pass(benchmark::State& state, PassCase c) {
  BenchWindow window(c);
  surface::NullBackend backend;
  run_passes(state, [&] { window.pass(backend); });
}

void recording_pass(benchmark::State& state, PassCase c) {
  BenchWindow window(c);
  surface::RecordingBackend backend;
  run_passes(state, [&] {
    backend.clear_trace();
    window.pass(backend);
    benchmark::DoNotOptimize(backend.trace().data());
  });
  state.counters["trace_bytes"] = static_cast<double>(backend.trace().size());
}

// As the window paints a redraw: erase the backing image, then a painter and a backend on it
// for the one pass.
void qpainter_pass(benchmark::State& state, PassCase c) {
  BenchWindow window(c);
  const double magnification = window.session.display_magnification;
  QImage image(static_cast<int>(surface::kLogicalWidth * magnification),
               static_cast<int>(surface::kLogicalHeight * magnification), QImage::Format_RGB32);
  run_passes(state, [&] {
    image.fill(Qt::white);
    QPainter painter(&image);
    surface::QPainterBackend backend(painter, window.surface);
    window.pass(backend);
  });
  state.counters["width"] = image.width();
  state.counters["height"] = image.height();
}

}  // namespace

void register_pass_benchmarks() {
  for (const PassCase& c : kPassCases) {
    const std::string name = std::string("pass/") + c.name;
    benchmark::RegisterBenchmark((name + "/null").c_str(), null_pass, c)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + "/recording").c_str(), recording_pass, c)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + "/qpainter").c_str(), qpainter_pass, c)
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace tessaly::bench

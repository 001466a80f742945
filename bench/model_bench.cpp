// One model evaluation per program and circuit, at the frequency where the default circuits
// resonate (1 kHz), with the component values the drivers would set.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_cases.h"
#include "complex/complex.h"
#include "core/session.h"
#include "programs/descriptor.h"

namespace tessaly::bench {
namespace {

struct ModelCase {
  const ProgramDescriptor& (*program)();
  int circuit;
};

constexpr ModelCase kModelCases[] = {
    {ombra_program, 1}, {ombra_program, 2}, {velto_program, 1},
    {velto_program, 2}, {velto_program, 3}, {velto_program, 4},
    {quirn_program, 1}, {quirn_program, 2}, {quirn_program, 3},
};

void model_evaluation(benchmark::State& state, ModelCase c) {
  const ProgramDescriptor& program = c.program();
  Components components;
  components.component_l = 0.0025;
  components.component_c = 1e-05;
  components.component_r = 100.0;
  double f = 1000.0;
  for (auto _ : state) {
    const Complex s(0.0, 6.2831854 * f);
    benchmark::DoNotOptimize(program.model_evaluate(components, c.circuit, s));
    // A slightly different point each time, so no call can be folded into the previous one.
    f = f < 2000.0 ? f * 1.0001 : 1000.0;
  }
}

}  // namespace

void register_model_benchmarks() {
  for (const ModelCase& c : kModelCases) {
    const std::string name =
        std::string("model/") + c.program().id + "/circuit:" + std::to_string(c.circuit);
    benchmark::RegisterBenchmark(name.c_str(), model_evaluation, c);
  }
}

}  // namespace tessaly::bench

// The benchmark families, registered at run time: one per program and circuit or graph.
#pragma once

namespace tessaly::bench {

void register_model_benchmarks();
void register_pass_benchmarks();
void register_png_benchmarks();

}  // namespace tessaly::bench

#include "programs/ombra/tables.h"

namespace tessaly::ombra {

const char* const circuit_names[5] = {"ＬＣＲ回路", "並列ＬＣＲ回路１", "直列ＬＣＲ回路２", "", ""};
const char* const analysis_names[5] = {
    "解析特性", "インピーダンス周波数特性", "インピーダンス振幅周波数特性",
    "インピーダンス位相周波数特性", "インピーダンスベクトル軌跡"};
const int analysis_kinds[5] = {0, 119, 75, 80, 81};

namespace {
constexpr double kCircuitDefaults[5] = {0.0025, 1e-05, 1000.0, 0.0, 0.0};
constexpr double kGraphDefaults[5] = {10.0, 100000.0, 0.1, 1000.0, 500.0};
}  // namespace

double circuit_constants[5] = {0.0025, 1e-05, 1000.0, 0.0, 0.0};
int circuit_constant_count = 3;
double graph_constants[5] = {10.0, 100000.0, 0.1, 1000.0, 500.0};
int graph_constant_count = 5;

void reset_tables() {
  for (int i = 0; i < 5; ++i) {
    circuit_constants[i] = kCircuitDefaults[i];
    graph_constants[i] = kGraphDefaults[i];
  }
  circuit_constant_count = 3;
  graph_constant_count = 5;
}

}  // namespace tessaly::ombra

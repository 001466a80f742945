#include "programs/velto/tables.h"

#include <array>

#include "programs/driver_support.h"

namespace tessaly::velto {

const char* const circuit_names[5] = {"ＬＣ素子の周波数特性　", "単一Ｌ素子  ", "単一Ｃ素子  ",
                                      "直列ＬＣ素子  ", "並列ＬＣ素子  "};
const char* const analysis_names[5] = {
    "ＬＣ素子の周波数特性　", "インピーダンス周波数特性（対数目盛）",
    "インピーダンス周波数特性（リニア目盛）", "リアクタンス周波数特性（リニア）", ""};
const int analysis_kinds[4] = {0, 119, 138, 96};
const int curve_numbers[5] = {0, 1, 2, 4, 5};

namespace {
constexpr std::array<double, 5> kCircuitDefaults = {0.002533, 1e-05, 0.0, 0.0, 0.0};
constexpr std::array<std::array<double, 5>, 4> kGraphDefaults = {{
    {1.0, 2000.0, 0.1, 60.0, 400.0},
    {100.0, 10000.0, 0.1, 1000.0, 400.0},
    {1.0, 2000.0, 0.1, 60.0, 400.0},
    {1.0, 2000.0, 60.0, 60.0, 400.0},
}};
}  // namespace

std::array<double, 5> circuit_constants = kCircuitDefaults;
int circuit_constant_count = 2;
std::array<std::array<double, 5>, 4> graph_constants = kGraphDefaults;
int graph_constant_count = 5;

double* graph_constant_row() {
  return analysis_row(graph_constants);
}

void reset_tables() {
  circuit_constants = kCircuitDefaults;
  graph_constants = kGraphDefaults;
  circuit_constant_count = 2;
  graph_constant_count = 5;
}

}  // namespace tessaly::velto

#include "programs/quirn/tables.h"

#include <array>

#include "programs/driver_support.h"

namespace tessaly::quirn {

const char* const circuit_names[5] = {"Ｒ、Ｃ、Ｌ素子のインピーダンス周波数特性　", "Ｒ素子  ",
                                      "Ｌ素子  ", "Ｃ素子  ", "Ｒ、Ｃ、Ｌ素子  "};
const char* const analysis_names[3] = {"Ｒ、Ｃ、Ｌ素子のインピーダンス周波数特性　",
                                       "インピーダンス周波数特性（リニア）",
                                       "インピーダンス周波数特性（対数）"};
const int analysis_kinds[3] = {0, 138, 119};
const int element_curves[4] = {0, 1, 2, 4};
const char* const element_captions[4] = {"", "抵抗 ", "ｲﾝﾀﾞｸﾀﾝｽ", "容量 "};
const char* const element_units[4] = {"", "Ｒ［Ω］", "Ｌ［Ｈ］", "Ｃ［Ｆ］"};

namespace {
constexpr std::array<double, 5> kCircuitDefaults = {1.5, 1.5e-05, 300.0, 0.0, 0.0};
constexpr std::array<std::array<double, 5>, 3> kGraphDefaults = {{
    {1.0, 100.0, 1.0, 1000.0, 400.0},
    {1.0, 100.0, 1.0, 1000.0, 400.0},
    {10.0, 100.0, 100.0, 1000.0, 400.0},
}};
}  // namespace

std::array<double, 5> circuit_constants = kCircuitDefaults;
int circuit_constant_count = 3;
std::array<std::array<double, 5>, 3> graph_constants = kGraphDefaults;
int graph_constant_count = 5;

double* graph_constant_row() {
  return analysis_row(graph_constants);
}

void reset_tables() {
  circuit_constants = kCircuitDefaults;
  graph_constants = kGraphDefaults;
  circuit_constant_count = 3;
  graph_constant_count = 5;
}

}  // namespace tessaly::quirn

#include "models/lc/tables.h"

namespace tessaly::velto {

const char* const circuit_names[5] = {"ＬＣ素子の周波数特性　", "単一Ｌ素子  ", "単一Ｃ素子  ",
                                      "直列ＬＣ素子  ", "並列ＬＣ素子  "};
const char* const analysis_names[5] = {
    "ＬＣ素子の周波数特性　", "インピーダンス周波数特性（対数目盛）",
    "インピーダンス周波数特性（リニア目盛）", "リアクタンス周波数特性（リニア）", ""};
const int analysis_kinds[4] = {0, 119, 138, 96};
const int curve_numbers[5] = {0, 1, 2, 4, 5};

double circuit_constants[5] = {};
int circuit_constant_count = 0;
double graph_constants[5] = {};
int graph_constant_count = 0;

void reset_tables() {
  for (int i = 0; i < 5; ++i) circuit_constants[i] = graph_constants[i] = 0.0;
  circuit_constant_count = 0;
  graph_constant_count = 0;
}

}  // namespace tessaly::velto

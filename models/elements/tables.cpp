#include "models/elements/tables.h"

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

double circuit_constants[5] = {};
int circuit_constant_count = 0;
double graph_constants[5] = {};
int graph_constant_count = 0;

void reset_tables() {
  for (int i = 0; i < 5; ++i) circuit_constants[i] = graph_constants[i] = 0.0;
  circuit_constant_count = 0;
  graph_constant_count = 0;
}

}  // namespace tessaly::quirn

// The axis texts of the graph kinds, as pairs by index.
#include <cstring>

#include "graph/setup.h"

namespace tessaly::graph {

namespace {

constexpr const char* kInitialX[kAxisLabelEntries] = {
    "入力",
    "時間 ［ｓ］",
    "入力電圧 ［Ｖ］",
    "実軸",
    "－＞Ｘ",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "ＡＤ　２進ステージ",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
    "周波数 ［Ｈｚ］",
};

constexpr const char* kInitialY[kAxisLabelEntries] = {
    "出力",          "出力電圧［Ｖ］", "出力電圧［Ｖ］",    "虚軸",
    "－＞Ｙ",        "利得［ｄＢ］",   "位相［度］",        "｜Ｚ｜ ［Ω］",
    "位相［度］",    "抵抗［Ω］",      "リアクタンス［Ω］", "群遅延時間［ｓ］",
    "位相［度］",    "出力振幅",       "位相［度］",        "Ａ－＞Ｄ　出力",
    "｜Ｙ｜ ［Ｓ］", "位相［度］",     "｜Ｚ｜ ［Ω］",      "位相［度］",
};

}  // namespace

void reset_axis_labels(Context& g) {
  for (int i = 0; i < kAxisLabelEntries; ++i) {
    std::strcpy(g.axis_label_x_table[i], kInitialX[i]);
    std::strcpy(g.axis_label_y_table[i], kInitialY[i]);
  }
}

}  // namespace tessaly::graph

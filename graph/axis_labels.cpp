// The axis texts of the graph kinds, as pairs by index, in the source language: a frame
// translates its texts as it draws them.
#include <cstring>

#include "graph/setup.h"

namespace tessaly::graph {

namespace {

// TRANSLATORS: the x text of two stacked frames ends 6 units (three quarters of a half-width
// cell) right of the frame; a translation that ends in a half-width character ends it with a
// blank, so that no glyph crosses the frame.
constexpr const char* kInitialX[kAxisLabelEntries] = {
    N_("入力"),
    N_("時間 ［ｓ］"),
    N_("入力電圧 ［Ｖ］"),
    N_("実軸"),
    N_("－＞Ｘ"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("ＡＤ　２進ステージ"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
    N_("周波数 ［Ｈｚ］"),
};

constexpr const char* kInitialY[kAxisLabelEntries] = {
    N_("出力"),          N_("出力電圧［Ｖ］"), N_("出力電圧［Ｖ］"),    N_("虚軸"),
    N_("－＞Ｙ"),        N_("利得［ｄＢ］"),   N_("位相［度］"),        N_("｜Ｚ｜ ［Ω］"),
    N_("位相［度］"),    N_("抵抗［Ω］"),      N_("リアクタンス［Ω］"), N_("群遅延時間［ｓ］"),
    N_("位相［度］"),    N_("出力振幅"),       N_("位相［度］"),        N_("Ａ－＞Ｄ　出力"),
    N_("｜Ｙ｜ ［Ｓ］"), N_("位相［度］"),     N_("｜Ｚ｜ ［Ω］"),      N_("位相［度］"),
};

}  // namespace

void reset_axis_labels(Context& g) {
  for (int i = 0; i < kAxisLabelEntries; ++i) {
    std::strcpy(g.axis_label_x_table[i], kInitialX[i]);
    std::strcpy(g.axis_label_y_table[i], kInitialY[i]);
  }
}

}  // namespace tessaly::graph

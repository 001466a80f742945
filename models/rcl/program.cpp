#include "models/program.h"

#include <iterator>

#include "models/rcl/driver.h"
#include "models/rcl/model.h"
#include "models/rcl/tables.h"
#include "models/shared_nudges.h"
#include "resources/dialogs.h"
#include "resources/menus.h"

namespace tessaly {

const ProgramDescriptor& ombra_program() {
  static const ProgramDescriptor program = {
      "ombra",
      "Ombra",
      "(Ombra)",
      ombra::circuit_names,
      static_cast<int>(std::size(ombra::circuit_names)),
      ombra::analysis_names,
      static_cast<int>(std::size(ombra::analysis_names)),
      {[]() -> double* { return ombra::circuit_constants; }, &ombra::circuit_constant_count},
      {[]() -> double* { return ombra::graph_constants; }, &ombra::graph_constant_count},
      ombra::model_evaluate,
      ombra::graph_driver,
      ombra::reset_tables,
      &resources::ombra_menu,
      {&resources::circuit_constants_dialog, &resources::graph_constants_dialog,
       &resources::magnification_dialog},
      &shared_corner_nudges,
      "並列・直列ＲＣＬ回路のインピーダンスの周波数特性を描きます。\n"
      "「回路素子」で回路を、「解析特性」で振幅・位相・ベクトル軌跡を選びます。\n"
      "「定数増減」で容量Ｃを段階的に変え、「定数設定」で素子の値とグラフの範囲を入力します。\n"
      "グラフ定数は全解析で共通の１組です。位相とベクトル軌跡のグラフは縦軸が固定で、"
      "Ｙの最小・最大は使いません（入力欄は灰色になります）。\n"
      "「グラフ描画」の重ね描きで、前の曲線の上に新しい曲線を重ねて比べられます。\n"
      "キー：１～９ 回路の番号、ａ・ｂ・ｃ 表示倍率 1.0・1.2・1.5、"
      "ｐ・ｑ・ｒ 印刷倍率 1.2・1.0・0.8 で印刷します。",
  };
  return program;
}

}  // namespace tessaly

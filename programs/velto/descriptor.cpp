#include "programs/descriptor.h"

#include <iterator>

#include "programs/shared_nudges.h"
#include "programs/velto/driver.h"
#include "programs/velto/menu.h"
#include "programs/velto/model.h"
#include "programs/velto/tables.h"

namespace tessaly {

namespace {

// 1 single L, 2 single C, 3 series LC, 4 parallel LC.
constexpr CircuitForm kVeltoForms[] = {
    {CircuitShape::kNone, 0},
    {CircuitShape::kSingle, elements::kL},
    {CircuitShape::kSingle, elements::kC},
    {CircuitShape::kSeries, elements::kL | elements::kC},
    {CircuitShape::kParallel, elements::kL | elements::kC},
};

const ProgramDescriptor kVelto = {
    "velto",
    "Velto",
    "(Velto)",
    velto::circuit_names,
    static_cast<int>(std::size(velto::circuit_names)),
    velto::analysis_names,
    static_cast<int>(std::size(velto::analysis_names)),
    {[](Session& session) -> double* { return session.circuit_constants; },
     velto::circuit_constant_count},
    {velto::graph_constant_row, velto::graph_constant_count},
    velto::model_evaluate,
    velto::graph_driver,
    velto::reset_tables,
    &shared_corner_nudges,
    N_("単一のＬ・Ｃ素子と直列・並列ＬＣ回路のインピーダンスの周波数特性を描きます。\n"
       "「回路素子」で回路を、「解析特性」で対数目盛・リニア目盛とリアクタンスを選びます。\n"
       "「定数増減」でＬとＣを段階的に変えます。共振周波数は凡例に表示されます。\n"
       "「定数設定」でＬとＣの値と、選んでいる解析特性のグラフの範囲を入力します。\n"
       "「グラフ描画」の重ね描きで、前の曲線の上に新しい曲線を重ねて比べられます。\n"
       "キー：１～９ 回路の番号、ａ・ｂ・ｃ 表示倍率 1.0・1.2・1.5、"
       "ｐ・ｑ・ｒ 印刷倍率 1.2・1.0・0.8 で印刷します。"),
    kVeltoForms,
    static_cast<int>(std::size(kVeltoForms)),
    &velto::menu,
    {&lc_circuit_constants_dialog, &graph_constants_dialog, &magnification_dialog},
    &velto::teaching_popup,
    nullptr,
    0,
};

}  // namespace

const ProgramDescriptor& velto_program() {
  return kVelto;
}

}  // namespace tessaly

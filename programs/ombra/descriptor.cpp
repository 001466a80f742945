#include "programs/descriptor.h"

#include <iterator>

#include "programs/ombra/driver.h"
#include "programs/ombra/menu.h"
#include "programs/ombra/model.h"
#include "programs/ombra/tables.h"
#include "programs/shared_nudges.h"

namespace tessaly {

namespace {

// 1 parallel RCL, 2 series RCL.
constexpr CircuitForm kOmbraForms[] = {
    {CircuitShape::kNone, 0},
    {CircuitShape::kParallel, elements::kR | elements::kL | elements::kC},
    {CircuitShape::kSeries, elements::kR | elements::kL | elements::kC},
};

// The phase (3) and the locus (4) draw fixed y axes: their y fields change nothing.
constexpr unsigned kFixedYRange = 1u << kYMinimumField | 1u << kYMaximumField;
constexpr unsigned kFixedGraphFields[] = {0, 0, 0, kFixedYRange, kFixedYRange};

const ProgramDescriptor kOmbra = {
    "ombra",
    "Ombra",
    "(Ombra)",
    ombra::circuit_names,
    static_cast<int>(std::size(ombra::circuit_names)),
    ombra::analysis_names,
    static_cast<int>(std::size(ombra::analysis_names)),
    {[](Session& session) -> double* { return session.circuit_constants; },
     ombra::circuit_constant_count},
    {ombra::graph_constant_row, ombra::graph_constant_count},
    ombra::model_evaluate,
    ombra::graph_driver,
    ombra::reset_tables,
    &shared_corner_nudges,
    N_("並列・直列ＲＣＬ回路のインピーダンスの周波数特性を描きます。\n"
       "「回路素子」で回路を、「解析特性」で振幅・位相・ベクトル軌跡を選びます。\n"
       "「定数増減」で容量Ｃを段階的に変え、「定数設定」で素子の値とグラフの範囲を入力します。\n"
       "グラフ定数は全解析で共通の１組です。位相とベクトル軌跡のグラフは縦軸が固定で、"
       "Ｙの最小・最大は使いません（入力欄は灰色になります）。\n"
       "「グラフ描画」の重ね描きで、前の曲線の上に新しい曲線を重ねて比べられます。\n"
       "キー：１～９ 回路の番号、ａ・ｂ・ｃ 表示倍率 1.0・1.2・1.5、"
       "ｐ・ｑ・ｒ 印刷倍率 1.2・1.0・0.8 で印刷します。"),
    kOmbraForms,
    static_cast<int>(std::size(kOmbraForms)),
    &ombra::menu,
    {&circuit_constants_dialog, &graph_constants_dialog, &magnification_dialog},
    &ombra::teaching_popup,
    kFixedGraphFields,
    static_cast<int>(std::size(kFixedGraphFields)),
};

}  // namespace

const ProgramDescriptor& ombra_program() {
  return kOmbra;
}

}  // namespace tessaly

#include "programs/descriptor.h"

#include <iterator>

#include "graph/corner_nudge.h"
#include "programs/quirn/driver.h"
#include "programs/quirn/menu.h"
#include "programs/quirn/model.h"
#include "programs/quirn/tables.h"

namespace tessaly {

namespace {

// Quirn keeps its tag flush with the corner where the others pull it in.
constexpr graph::CornerNudgeRule kQuirnRules[] = {
    {4, 5, 0, 0, true},       {38, 38, 0, -8, false}, {40, 40, 0, -8, false},
    {20, 37, 0, 0, true},     {42, 45, 0, 0, true},   {1, 3, 0, -3, false},
    {105, 105, 0, -6, false}, {65, 65, 0, -6, false}, {70, 70, 0, -6, false},
    {48, 48, 0, -6, false},   {15, 18, 12, 0, false}, {119, 119, 0, 0, false},
    {75, 75, 0, 0, false},    {80, 81, 0, 0, false},  {-2147483647 - 1, 2147483647, 0, 0, true},
};
const graph::CornerNudgeTable kQuirnNudges = {kQuirnRules,
                                              static_cast<int>(std::size(kQuirnRules))};

}  // namespace

namespace {

// 1 R, 2 L, 3 C; 4 draws the three one by one, each curve with its own number.
constexpr CircuitForm kQuirnForms[] = {
    {CircuitShape::kNone, 0},
    {CircuitShape::kSingle, elements::kR},
    {CircuitShape::kSingle, elements::kL},
    {CircuitShape::kSingle, elements::kC},
};

const ProgramDescriptor kQuirn = {
    "quirn",
    "Quirn",
    "(Quirn)",
    quirn::circuit_names,
    static_cast<int>(std::size(quirn::circuit_names)),
    quirn::analysis_names,
    static_cast<int>(std::size(quirn::analysis_names)),
    {[](Session& session) -> double* { return session.circuit_constants; },
     quirn::circuit_constant_count},
    {quirn::graph_constant_row, quirn::graph_constant_count},
    quirn::model_evaluate,
    quirn::graph_driver,
    quirn::reset_tables,
    &kQuirnNudges,
    N_("抵抗Ｒ・インダクタＬ・コンデンサＣの各素子のインピーダンスの周波数特性を描きます。\n"
       "「２端子素子」で素子を選びます（Ｒ,Ｌ,Ｃ素子は三つを同時に描きます）。\n"
       "「解析特性」で周波数目盛をリニア・対数から選びます。\n"
       "「定数増減」でＲ・Ｌ・Ｃをそろって段階的に変えます（１段で元の値の半分ずつ）。\n"
       "「定数設定」でＲ・Ｌ・Ｃの値と、選んでいる解析特性のグラフの範囲を入力します。\n"
       "「グラフ」の重ね描きで、前の曲線の上に新しい曲線を重ねて比べられます。\n"
       "キー：１～９ 回路の番号、ａ・ｂ・ｃ 表示倍率 1.0・1.2・1.5、"
       "ｐ・ｑ・ｒ 印刷倍率 1.2・1.0・0.8 で印刷します。"),
    kQuirnForms,
    static_cast<int>(std::size(kQuirnForms)),
    &quirn::menu,
    {&circuit_constants_dialog, &graph_constants_dialog, nullptr},
    &quirn::teaching_popup,
    nullptr,
    0,
};

}  // namespace

const ProgramDescriptor& quirn_program() {
  return kQuirn;
}

}  // namespace tessaly

#include "programs/ombra/menu.h"

#include <iterator>

#include "programs/shared_menu_items.h"

namespace tessaly::ombra {

namespace {

using namespace shared_menus;

constexpr MenuItem kCircuits[] = {{301, N_("並列ＲＣＬ素子")}, {302, N_("直列ＲＣＬ素子")}};
constexpr MenuItem kAnalyses[] = {{401, N_("インピーダンス周波数特性")},
                                  {402, N_("インピーダンス振幅周波数特性")},
                                  {403, N_("インピーダンス位相周波数特性")},
                                  {404, N_("インピーダンスベクトル軌跡")}};

const MenuPopup kPopups[] = {
    popup(N_("ファイル  "), kFile),        popup(N_("グラフ描画　"), kDrawing),
    popup(N_("回路素子　"), kCircuits),    popup(N_("解析特性  　"), kAnalyses),
    popup(N_("定数増減　　"), kSteps),     popup(N_("定数設定　　"), kSettings),
    popup(N_("説明　　 　"), kExplanation)};

// Five curves of five resistances: both the resonance and the Q can be asked.
constexpr MenuItem kTeaching[] = {kDiagram, kProjector, kResonanceExercise, kQualityExercise,
                                  kLeave};

}  // namespace

const Menu menu = {kPopups, static_cast<int>(std::size(kPopups))};
const MenuPopup teaching_popup = popup(kTeachingTitle, kTeaching);

}  // namespace tessaly::ombra

#include "programs/velto/menu.h"

#include <iterator>

#include "programs/shared_menu_items.h"

namespace tessaly::velto {

namespace {

using namespace shared_menus;

constexpr MenuItem kCircuits[] = {{301, N_("単一Ｌ  素子")},
                                  {302, N_("単一Ｃ　素子")},
                                  {303, N_("直列ＬＣ素子")},
                                  {304, N_("並列ＬＣ素子")}};
constexpr MenuItem kAnalyses[] = {{401, N_("インピーダンス周波数特性（対数目盛）")},
                                  {402, N_("インピーダンス周波数特性（リニア目盛）")},
                                  {403, N_("ﾘｱｸﾀﾝｽ振幅周波数特性（リニア目盛）")}};
constexpr MenuItem kSteps[] = {{kStepUp, N_("Ｌ　増加")},
                               {kStepDown, N_("Ｌ　減少")},
                               {kStepReset, N_("初期値")},
                               {kSecondStepUp, N_("Ｃ　増加")},
                               {kSecondStepDown, N_("Ｃ　減少")}};

const MenuPopup kPopups[] = {
    popup(N_("ファイル  "), kFile),        popup(N_("グラフ描画　"), kDrawing),
    popup(N_("回路素子　"), kCircuits),    popup(N_("解析特性  　"), kAnalyses),
    popup(N_("定数増減　　"), kSteps),     popup(N_("定数設定　　"), kSettings),
    popup(N_("説明　　 　"), kExplanation)};

// LC circuits resonate but carry no resistance: no Q to ask.
constexpr MenuItem kTeaching[] = {kDiagram, kProjector, kResonanceExercise, kLeave};

}  // namespace

const Menu menu = {kPopups, static_cast<int>(std::size(kPopups))};
const MenuPopup teaching_popup = popup(kTeachingTitle, kTeaching);

}  // namespace tessaly::velto

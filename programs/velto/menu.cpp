#include "programs/velto/menu.h"

#include <iterator>

#include "programs/shared_menu_items.h"

namespace tessaly::velto {

namespace {

using namespace shared_menus;

constexpr MenuItem kCircuits[] = {
    {301, "単一Ｌ  素子"}, {302, "単一Ｃ　素子"}, {303, "直列ＬＣ素子"}, {304, "並列ＬＣ素子"}};
constexpr MenuItem kAnalyses[] = {{401, "インピーダンス周波数特性（対数目盛）"},
                                  {402, "インピーダンス周波数特性（リニア目盛）"},
                                  {403, "ﾘｱｸﾀﾝｽ振幅周波数特性（リニア目盛）"}};
constexpr MenuItem kSteps[] = {{kStepUp, "Ｌ　増加"},
                               {kStepDown, "Ｌ　減少"},
                               {kStepReset, "初期値"},
                               {kSecondStepUp, "Ｃ　増加"},
                               {kSecondStepDown, "Ｃ　減少"}};

const MenuPopup kPopups[] = {popup("ファイル  ", kFile),        popup("グラフ描画　", kDrawing),
                             popup("回路素子　", kCircuits),    popup("解析特性  　", kAnalyses),
                             popup("定数増減　　", kSteps),     popup("定数設定　　", kSettings),
                             popup("説明　　 　", kExplanation)};

// LC circuits resonate but carry no resistance: no Q to ask.
constexpr MenuItem kTeaching[] = {kDiagram, kProjector, kResonanceExercise, kLeave};

}  // namespace

const Menu menu = {kPopups, static_cast<int>(std::size(kPopups))};
const MenuPopup teaching_popup = popup(kTeachingTitle, kTeaching);

}  // namespace tessaly::velto

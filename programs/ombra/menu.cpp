#include "programs/ombra/menu.h"

#include <iterator>

#include "programs/shared_menu_items.h"

namespace tessaly::ombra {

namespace {

using namespace shared_menus;

constexpr MenuItem kCircuits[] = {{301, "並列ＲＣＬ素子"}, {302, "直列ＲＣＬ素子"}};
constexpr MenuItem kAnalyses[] = {{401, "インピーダンス周波数特性"},
                                  {402, "インピーダンス振幅周波数特性"},
                                  {403, "インピーダンス位相周波数特性"},
                                  {404, "インピーダンスベクトル軌跡"}};

const MenuPopup kPopups[] = {popup("ファイル  ", kFile),        popup("グラフ描画　", kDrawing),
                             popup("回路素子　", kCircuits),    popup("解析特性  　", kAnalyses),
                             popup("定数増減　　", kSteps),     popup("定数設定　　", kSettings),
                             popup("説明　　 　", kExplanation)};

// Five curves of five resistances: both the resonance and the Q can be asked.
constexpr MenuItem kTeaching[] = {kDiagram, kProjector, kResonanceExercise, kQualityExercise,
                                  kLeave};

}  // namespace

const Menu menu = {kPopups, static_cast<int>(std::size(kPopups))};
const MenuPopup teaching_popup = popup(kTeachingTitle, kTeaching);

}  // namespace tessaly::ombra

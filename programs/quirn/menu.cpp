#include "programs/quirn/menu.h"

#include <iterator>

#include "programs/shared_menu_items.h"

namespace tessaly::quirn {

namespace {

using namespace shared_menus;

constexpr MenuItem kFileItems[] = {
    {kReadFile, N_("開く")}, {kSaveFile, N_("保存")}, {kPrint, N_("印刷")}, {kQuit, N_("終了")}};
constexpr MenuItem kDrawingItems[] = {{kRedraw, N_("描画更新")},
                                      {kOverlay, N_("重ね描き")},
                                      {kClear, N_("クリア")},
                                      {kShowData, N_("データ")}};
constexpr MenuItem kCircuits[] = {
    {301, N_("Ｒ　素子")}, {302, N_("Ｌ　素子")}, {303, N_("Ｃ　素子")}, {304, N_("Ｒ,Ｌ,Ｃ素子")}};
constexpr MenuItem kAnalyses[] = {{401, N_("インピーダンス周波数特性（リニア）")},
                                  {402, N_("インピーダンス周波数特性（対数）")}};
constexpr MenuItem kSettingsItems[] = {{kCircuitDialog, N_("回路定数")},
                                       {kGraphDialog, N_("グラフ定数")}};

const MenuPopup kPopups[] = {
    popup(N_("ファイル    "), kFileItems), popup(N_("グラフ　　"), kDrawingItems),
    popup(N_("２端子素子"), kCircuits),    popup(N_("解析特性  　"), kAnalyses),
    popup(N_("定数増減　　"), kSteps),     popup(N_("定数設定　　"), kSettingsItems),
    popup(N_("ヘルプ 　"), kExplanation)};

// Single elements and R, L, C side by side: nothing resonates, only the diagram.
constexpr MenuItem kTeaching[] = {kDiagram, kProjector};

}  // namespace

const Menu menu = {kPopups, static_cast<int>(std::size(kPopups))};
const MenuPopup teaching_popup = popup(kTeachingTitle, kTeaching);

}  // namespace tessaly::quirn

#include "programs/quirn/menu.h"

#include <iterator>

#include "programs/shared_menu_items.h"

namespace tessaly::quirn {

namespace {

using namespace shared_menus;

constexpr MenuItem kFileItems[] = {
    {kReadFile, "開く"}, {kSaveFile, "保存"}, {kPrint, "印刷"}, {kQuit, "終了"}};
constexpr MenuItem kDrawingItems[] = {
    {kRedraw, "描画更新"}, {kOverlay, "重ね描き"}, {kClear, "クリア"}, {kShowData, "データ"}};
constexpr MenuItem kCircuits[] = {
    {301, "Ｒ　素子"}, {302, "Ｌ　素子"}, {303, "Ｃ　素子"}, {304, "Ｒ,Ｌ,Ｃ素子"}};
constexpr MenuItem kAnalyses[] = {{401, "インピーダンス周波数特性（リニア）"},
                                  {402, "インピーダンス周波数特性（対数）"}};
constexpr MenuItem kSettingsItems[] = {{kCircuitDialog, "回路定数"}, {kGraphDialog, "グラフ定数"}};

const MenuPopup kPopups[] = {
    popup("ファイル    ", kFileItems), popup("グラフ　　", kDrawingItems),
    popup("２端子素子", kCircuits),    popup("解析特性  　", kAnalyses),
    popup("定数増減　　", kSteps),     popup("定数設定　　", kSettingsItems),
    popup("ヘルプ 　", kExplanation)};

// Single elements and R, L, C side by side: nothing resonates, only the diagram.
constexpr MenuItem kTeaching[] = {kDiagram, kProjector};

}  // namespace

const Menu menu = {kPopups, static_cast<int>(std::size(kPopups))};
const MenuPopup teaching_popup = popup(kTeachingTitle, kTeaching);

}  // namespace tessaly::quirn

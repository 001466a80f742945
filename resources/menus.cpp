#include "resources/menus.h"

#include <iterator>

namespace tessaly::resources {

namespace {

constexpr MenuItem kFile[] = {{101, "読出し"}, {102, "保存"}, {103, "印刷"}, {104, "終了"}};
constexpr MenuItem kDrawing[] = {
    {201, "描画更新"}, {202, "重ね描き"}, {203, "クリア"}, {204, "データの描画"}};
constexpr MenuItem kSettings[] = {{601, "回路定数"}, {602, "グラフ定数"}, {603, "グラフ倍率"}};
constexpr MenuItem kExplanation[] = {{701, "ヘルプ "}, {702, "バージョン "}};
constexpr MenuItem kSteps[] = {{501, "増加１"}, {502, "減少１"}, {503, "初期値"}};

constexpr MenuItem kOmbraCircuits[] = {{301, "並列ＲＣＬ素子"}, {302, "直列ＲＣＬ素子"}};
constexpr MenuItem kOmbraAnalyses[] = {{401, "インピーダンス周波数特性"},
                                       {402, "インピーダンス振幅周波数特性"},
                                       {403, "インピーダンス位相周波数特性"},
                                       {404, "インピーダンスベクトル軌跡"}};

constexpr MenuItem kVeltoCircuits[] = {
    {301, "単一Ｌ  素子"}, {302, "単一Ｃ　素子"}, {303, "直列ＬＣ素子"}, {304, "並列ＬＣ素子"}};
constexpr MenuItem kVeltoAnalyses[] = {{401, "インピーダンス周波数特性（対数目盛）"},
                                       {402, "インピーダンス周波数特性（リニア目盛）"},
                                       {403, "ﾘｱｸﾀﾝｽ振幅周波数特性（リニア目盛）"}};
constexpr MenuItem kVeltoSteps[] = {
    {501, "Ｌ　増加"}, {502, "Ｌ　減少"}, {503, "初期値"}, {504, "Ｃ　増加"}, {505, "Ｃ　減少"}};

constexpr MenuItem kQuirnFile[] = {{101, "開く"}, {102, "保存"}, {103, "印刷"}, {104, "終了"}};
constexpr MenuItem kQuirnDrawing[] = {
    {201, "描画更新"}, {202, "重ね描き"}, {203, "クリア"}, {204, "データ"}};
constexpr MenuItem kQuirnCircuits[] = {
    {301, "Ｒ　素子"}, {302, "Ｌ　素子"}, {303, "Ｃ　素子"}, {304, "Ｒ,Ｌ,Ｃ素子"}};
constexpr MenuItem kQuirnAnalyses[] = {{401, "インピーダンス周波数特性（リニア）"},
                                       {402, "インピーダンス周波数特性（対数）"}};
constexpr MenuItem kQuirnSettings[] = {{601, "回路定数"}, {602, "グラフ定数"}};

template <std::size_t N>
constexpr MenuPopup popup(const char* text, const MenuItem (&items)[N]) {
  return {text, items, static_cast<int>(N)};
}

const MenuPopup kOmbraPopups[] = {
    popup("ファイル  ", kFile),          popup("グラフ描画　", kDrawing),
    popup("回路素子　", kOmbraCircuits), popup("解析特性  　", kOmbraAnalyses),
    popup("定数増減　　", kSteps),       popup("定数設定　　", kSettings),
    popup("説明　　 　", kExplanation)};

const MenuPopup kVeltoPopups[] = {
    popup("ファイル  ", kFile),          popup("グラフ描画　", kDrawing),
    popup("回路素子　", kVeltoCircuits), popup("解析特性  　", kVeltoAnalyses),
    popup("定数増減　　", kVeltoSteps),  popup("定数設定　　", kSettings),
    popup("説明　　 　", kExplanation)};

const MenuPopup kQuirnPopups[] = {
    popup("ファイル    ", kQuirnFile),   popup("グラフ　　", kQuirnDrawing),
    popup("２端子素子", kQuirnCircuits), popup("解析特性  　", kQuirnAnalyses),
    popup("定数増減　　", kSteps),       popup("定数設定　　", kQuirnSettings),
    popup("ヘルプ 　", kExplanation)};

}  // namespace

const Menu ombra_menu = {kOmbraPopups, static_cast<int>(std::size(kOmbraPopups))};
const Menu velto_menu = {kVeltoPopups, static_cast<int>(std::size(kVeltoPopups))};
const Menu quirn_menu = {kQuirnPopups, static_cast<int>(std::size(kQuirnPopups))};

bool menu_offers(const Menu& menu, int command) {
  for (int p = 0; p < menu.popup_count; ++p) {
    const MenuPopup& popup = menu.popups[p];
    for (int i = 0; i < popup.item_count; ++i) {
      if (popup.items[i].command == command) return true;
    }
  }
  return false;
}

}  // namespace tessaly::resources

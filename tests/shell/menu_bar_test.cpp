#include "shell/menu_bar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <utility>
#include <vector>

#include "programs/descriptor.h"

namespace tessaly::shell {
namespace {

struct Popup {
  std::string title;
  std::vector<std::pair<int, std::string>> items;
};

std::vector<Popup> shown(const QMenuBar& bar) {
  std::vector<Popup> popups;
  for (const QAction* title : bar.actions()) {
    Popup popup{title->text().toStdString(), {}};
    for (const QAction* item : title->menu()->actions()) {
      popup.items.emplace_back(item->data().toInt(), item->text().toStdString());
    }
    popups.push_back(popup);
  }
  return popups;
}

void expect_menu(const Menu& menu, const std::vector<Popup>& expected) {
  QMenuBar bar;
  build_menu_bar(bar, menu, text::source_language(), [](int) {});
  const std::vector<Popup> popups = shown(bar);
  ASSERT_EQ(popups.size(), expected.size());
  for (std::size_t p = 0; p < expected.size(); ++p) {
    EXPECT_EQ(popups[p].title, expected[p].title) << "pop-up " << p;
    EXPECT_EQ(popups[p].items, expected[p].items) << expected[p].title;
  }
}

const Popup kFile{"ファイル  ", {{101, "読出し"}, {102, "保存"}, {103, "印刷"}, {104, "終了"}}};
const Popup kDrawing{
    "グラフ描画　", {{201, "描画更新"}, {202, "重ね描き"}, {203, "クリア"}, {204, "データの描画"}}};
const Popup kSettings{"定数設定　　",
                      {{601, "回路定数"}, {602, "グラフ定数"}, {603, "グラフ倍率"}}};
const Popup kExplanation{"説明　　 　", {{701, "ヘルプ "}, {702, "バージョン "}}};
const Popup kSteps{"定数増減　　", {{501, "増加１"}, {502, "減少１"}, {503, "初期値"}}};

TEST(MenuBar, OmbraMenu) {
  expect_menu(*ombra_program().menu,
              {kFile,
               kDrawing,
               {"回路素子　", {{301, "並列ＲＣＬ素子"}, {302, "直列ＲＣＬ素子"}}},
               {"解析特性  　",
                {{401, "インピーダンス周波数特性"},
                 {402, "インピーダンス振幅周波数特性"},
                 {403, "インピーダンス位相周波数特性"},
                 {404, "インピーダンスベクトル軌跡"}}},
               kSteps,
               kSettings,
               kExplanation});
}

TEST(MenuBar, VeltoMenu) {
  expect_menu(*velto_program().menu, {kFile,
                                      kDrawing,
                                      {"回路素子　",
                                       {{301, "単一Ｌ  素子"},
                                        {302, "単一Ｃ　素子"},
                                        {303, "直列ＬＣ素子"},
                                        {304, "並列ＬＣ素子"}}},
                                      {"解析特性  　",
                                       {{401, "インピーダンス周波数特性（対数目盛）"},
                                        {402, "インピーダンス周波数特性（リニア目盛）"},
                                        {403, "ﾘｱｸﾀﾝｽ振幅周波数特性（リニア目盛）"}}},
                                      {"定数増減　　",
                                       {{501, "Ｌ　増加"},
                                        {502, "Ｌ　減少"},
                                        {503, "初期値"},
                                        {504, "Ｃ　増加"},
                                        {505, "Ｃ　減少"}}},
                                      kSettings,
                                      kExplanation});
}

TEST(MenuBar, QuirnMenu) {
  expect_menu(
      *quirn_program().menu,
      {{"ファイル    ", {{101, "開く"}, {102, "保存"}, {103, "印刷"}, {104, "終了"}}},
       {"グラフ　　", {{201, "描画更新"}, {202, "重ね描き"}, {203, "クリア"}, {204, "データ"}}},
       {"２端子素子",
        {{301, "Ｒ　素子"}, {302, "Ｌ　素子"}, {303, "Ｃ　素子"}, {304, "Ｒ,Ｌ,Ｃ素子"}}},
       {"解析特性  　",
        {{401, "インピーダンス周波数特性（リニア）"}, {402, "インピーダンス周波数特性（対数）"}}},
       kSteps,
       {"定数設定　　", {{601, "回路定数"}, {602, "グラフ定数"}}},
       {"ヘルプ 　", {{701, "ヘルプ "}, {702, "バージョン "}}}});
}

TEST(MenuBar, ActionsSendTheirCommandAndShowAmpersands) {
  const MenuItem items[] = {{101, "R&D"}, {102, "&&"}};
  const MenuPopup popups[] = {{"A&B", items, 2}};
  const Menu menu{popups, 1};
  QMenuBar bar;
  std::vector<int> sent;
  build_menu_bar(bar, menu, text::source_language(),
                 [&sent](int command) { sent.push_back(command); });
  QMenu* pop_up = bar.actions().front()->menu();
  EXPECT_EQ(bar.actions().front()->text(), QStringLiteral("A&&B"));
  EXPECT_EQ(pop_up->actions()[0]->text(), QStringLiteral("R&&D"));
  EXPECT_EQ(pop_up->actions()[1]->text(), QStringLiteral("&&&&"));
  // Qt shows a doubled '&' as one, with no mnemonic.
  EXPECT_EQ(pop_up->actions()[0]->iconText(), QStringLiteral("R&D"));
  pop_up->actions()[1]->trigger();
  pop_up->actions()[0]->trigger();
  EXPECT_EQ(sent, (std::vector<int>{102, 101}));
}

}  // namespace
}  // namespace tessaly::shell

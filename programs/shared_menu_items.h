// The pop-ups that more than one program's menu shares, and the teaching pop-up's texts.
#pragma once

#include <cstddef>

#include "programs/menu.h"

namespace tessaly::shared_menus {

using namespace commands;

inline constexpr MenuItem kFile[] = {
    {kReadFile, "読出し"}, {kSaveFile, "保存"}, {kPrint, "印刷"}, {kQuit, "終了"}};
inline constexpr MenuItem kDrawing[] = {
    {kRedraw, "描画更新"}, {kOverlay, "重ね描き"}, {kClear, "クリア"}, {kShowData, "データの描画"}};
inline constexpr MenuItem kSettings[] = {{kCircuitDialog, "回路定数"},
                                         {kGraphDialog, "グラフ定数"},
                                         {kMagnificationDialog, "グラフ倍率"}};
inline constexpr MenuItem kExplanation[] = {{kHelp, "ヘルプ "}, {kVersion, "バージョン "}};
inline constexpr MenuItem kSteps[] = {
    {kStepUp, "増加１"}, {kStepDown, "減少１"}, {kStepReset, "初期値"}};

inline constexpr const char* kTeachingTitle = "演習　";
inline constexpr MenuItem kDiagram = {kPhasorDiagram, "ベクトル図"};
inline constexpr MenuItem kProjector = {kProjectorLines, "投影用の太線"};
inline constexpr MenuItem kResonanceExercise = {kExerciseResonance, "共振周波数を予想"};
inline constexpr MenuItem kQualityExercise = {kExerciseQuality, "Ｑを予想"};
inline constexpr MenuItem kLeave = {kLeaveExercise, "演習の終了"};

template <std::size_t N>
constexpr MenuPopup popup(const char* text, const MenuItem (&items)[N]) {
  return {text, items, static_cast<int>(N)};
}

}  // namespace tessaly::shared_menus

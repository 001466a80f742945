// The pop-ups that more than one program's menu shares, and the teaching pop-up's texts.
#pragma once

#include <cstddef>

#include "programs/menu.h"

namespace tessaly::shared_menus {

using namespace commands;

inline constexpr MenuItem kFile[] = {
    {kReadFile, N_("読出し")}, {kSaveFile, N_("保存")}, {kPrint, N_("印刷")}, {kQuit, N_("終了")}};
inline constexpr MenuItem kDrawing[] = {{kRedraw, N_("描画更新")},
                                        {kOverlay, N_("重ね描き")},
                                        {kClear, N_("クリア")},
                                        {kShowData, N_("データの描画")}};
inline constexpr MenuItem kSettings[] = {{kCircuitDialog, N_("回路定数")},
                                         {kGraphDialog, N_("グラフ定数")},
                                         {kMagnificationDialog, N_("グラフ倍率")}};
inline constexpr MenuItem kExplanation[] = {{kHelp, N_("ヘルプ ")}, {kVersion, N_("バージョン ")}};
inline constexpr MenuItem kSteps[] = {
    {kStepUp, N_("増加１")}, {kStepDown, N_("減少１")}, {kStepReset, N_("初期値")}};

inline constexpr const char* kTeachingTitle = N_("演習　");
inline constexpr MenuItem kDiagram = {kPhasorDiagram, N_("ベクトル図")};
inline constexpr MenuItem kProjector = {kProjectorLines, N_("投影用の太線")};
inline constexpr MenuItem kResonanceExercise = {kExerciseResonance, N_("共振周波数を予想")};
inline constexpr MenuItem kQualityExercise = {kExerciseQuality, N_("Ｑを予想")};
inline constexpr MenuItem kLeave = {kLeaveExercise, N_("演習の終了")};

template <std::size_t N>
constexpr MenuPopup popup(const char* text, const MenuItem (&items)[N]) {
  return {text, items, static_cast<int>(N)};
}

}  // namespace tessaly::shared_menus

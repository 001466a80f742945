#include "resources/teaching_menu.h"

#include <cstddef>
#include <iterator>

namespace tessaly::resources {

namespace {

using namespace teaching_commands;

constexpr const char* kTitle = "演習　";

constexpr MenuItem kBoth[] = {{kPhasorDiagram, "ベクトル図"},
                              {kProjectorLines, "投影用の太線"},
                              {kExerciseResonance, "共振周波数を予想"},
                              {kExerciseQuality, "Ｑを予想"},
                              {kLeaveExercise, "演習の終了"}};
constexpr MenuItem kResonanceOnly[] = {{kPhasorDiagram, "ベクトル図"},
                                       {kProjectorLines, "投影用の太線"},
                                       {kExerciseResonance, "共振周波数を予想"},
                                       {kLeaveExercise, "演習の終了"}};
constexpr MenuItem kDiagramOnly[] = {{kPhasorDiagram, "ベクトル図"},
                                     {kProjectorLines, "投影用の太線"}};

template <std::size_t N>
constexpr MenuPopup popup(const MenuItem (&items)[N]) {
  return {kTitle, items, static_cast<int>(N)};
}

constexpr MenuPopup kOmbraPopup = popup(kBoth);
constexpr MenuPopup kVeltoPopup = popup(kResonanceOnly);
constexpr MenuPopup kQuirnPopup = popup(kDiagramOnly);

}  // namespace

const MenuPopup& teaching_popup(const ProgramDescriptor& program) {
  if (&program == &ombra_program()) return kOmbraPopup;
  if (&program == &velto_program()) return kVeltoPopup;
  return kQuirnPopup;
}

}  // namespace tessaly::resources

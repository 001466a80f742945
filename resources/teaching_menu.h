// The menu of the teaching views, after each program's own pop-ups: the phasor diagram and the
// exercises. Its commands are numbered apart from the programs' menus, which stay as they are.
#pragma once

#include "programs/descriptor.h"
#include "resources/menus.h"

namespace tessaly::resources {

namespace teaching_commands {
constexpr int kPhasorDiagram = 801;      // the diagram beside the graph, on or off
constexpr int kProjectorLines = 802;     // wide lines and darker colours, on or off
constexpr int kExerciseResonance = 811;  // predict f0
constexpr int kExerciseQuality = 812;    // predict Q
constexpr int kLeaveExercise = 819;
}  // namespace teaching_commands

// The pop-up of a program: every program has the diagram; the exercises where it resonates.
const MenuPopup& teaching_popup(const ProgramDescriptor& program);

}  // namespace tessaly::resources

// What a user does to a program, in the order done: menu commands, typed characters, settings
// stored as a dialog's OK stores them, data files read, and the teaching views set. The
// renderer's command line, the page's links and the tests speak it; replay carries it out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/teaching_view.h"

namespace tessaly::interaction {

// The teaching views of a render: a marker and the phasor diagram, or an
// exercise sheet.
struct TeachingOptions {
  bool marker = false;
  double marker_hz = 0.0;
  int curve = 1;  // from 1
  bool phasor_panel = false;
  bool projector = false;  // --thick
  ExerciseKind exercise = ExerciseKind::kNone;
  std::uint64_t seed = 1;
  bool reveal = false;

  bool any() const {
    return marker || phasor_panel || projector || exercise != ExerciseKind::kNone;
  }
};

// One thing the user does to the window, in the order given.
struct Step {
  // kTeaching comes last, after every other step: the marker, the diagram or
  // the exercise.
  enum class Kind { kCommand, kCharacter, kSetting, kRead, kTeaching };
  Kind kind = Kind::kCommand;
  int command = 0;     // kCommand: a menu command number
  char character = 0;  // kCharacter: the typed character
  std::string name;    // kSetting: the dialog values' name; kRead: the data file
  std::vector<std::string> values;
  TeachingOptions teaching;  // kTeaching
};

}  // namespace tessaly::interaction

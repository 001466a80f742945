// What each graph kind sets up: layout, scale types, axis texts and ranges (internal).
#pragma once

#include "graph/frame.h"

namespace tessaly::graph {

using SettingsRange = double GraphSettings::*;

struct RangeFields {
  SettingsRange min;
  SettingsRange max;
};

// Kinds 4 to 100: one frame, main_frame.
struct SingleFrameKind {
  int first_kind, last_kind;
  int layout;
  int x_scale, y_scale;
  int label_index;
  bool copies_texts;    // the settings' label texts go into label entry 0 first
  bool uses_divisions;  // the settings' division counts, else 0
  RangeFields x, y;
};

// Kinds above 100: upper_frame over lower_frame, sharing the frequency axis.
struct StackedKind {
  int first_kind, last_kind;
  int x_scale;
  int upper_y_scale, lower_y_scale;
  int label_index;     // upper frame; the lower takes the next entry
  bool copies_y_text;  // the settings' y text goes into entry 18 first
  RangeFields upper_y, lower_y;
};

// nullptr for a code that is no graph kind of that group.
const SingleFrameKind* find_single_frame_kind(int kind);
const StackedKind* find_stacked_kind(int kind);

}  // namespace tessaly::graph

// How far the program tag at a frame's corner is nudged, by graph kind. Each program brings
// its own table (first matching rule wins); the engine only reads the active one.
#pragma once

namespace tessaly::graph {

struct CornerNudgeRule {
  int first_kind;
  int last_kind;
  int below_bytes;   // the rule applies only to tags shorter than this; 0: any length
  int nudge;         // units added to the position...
  bool minus_bytes;  // ...or, when set, minus the tag's length in bytes
};

struct CornerNudgeTable {
  const CornerNudgeRule* rules;
  int count;  // the last rule catches every kind
};

void set_corner_nudges(const CornerNudgeTable* table);
const CornerNudgeTable* corner_nudges();
int corner_nudge(int kind, int tag_bytes);

}  // namespace tessaly::graph

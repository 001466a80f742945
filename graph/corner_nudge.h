// How far the program tag at a frame's corner is nudged, by graph kind. Each program brings
// its own table (first matching rule wins); the graph context carries the one in use.
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

// The nudge of a tag of `tag_bytes` bytes at the corner of a frame of the kind; 0 without a
// table.
int corner_nudge(const CornerNudgeTable* table, int kind, int tag_bytes);

}  // namespace tessaly::graph

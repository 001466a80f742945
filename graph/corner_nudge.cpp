#include "graph/corner_nudge.h"

namespace tessaly::graph {

namespace {

const CornerNudgeTable* active_table = nullptr;

int nudge_of(const CornerNudgeRule& rule, int tag_bytes) {
  return rule.minus_bytes ? -tag_bytes : rule.nudge;
}

}  // namespace

void set_corner_nudges(const CornerNudgeTable* table) {
  active_table = table;
}

const CornerNudgeTable* corner_nudges() {
  return active_table;
}

int corner_nudge(int kind, int tag_bytes) {
  if (active_table == nullptr || active_table->count <= 0) return 0;
  const CornerNudgeTable& table = *active_table;
  for (int i = 0; i < table.count; ++i) {
    const CornerNudgeRule& rule = table.rules[i];
    const bool in_range = kind >= rule.first_kind && kind <= rule.last_kind;
    const bool short_enough = rule.below_bytes == 0 || tag_bytes < rule.below_bytes;
    if (in_range && short_enough) return nudge_of(rule, tag_bytes);
  }
  return nudge_of(table.rules[table.count - 1], tag_bytes);
}

}  // namespace tessaly::graph

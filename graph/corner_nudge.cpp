#include "graph/corner_nudge.h"

namespace tessaly::graph {

namespace {

int nudge_of(const CornerNudgeRule& rule, int tag_bytes) {
  return rule.minus_bytes ? -tag_bytes : rule.nudge;
}

}  // namespace

int corner_nudge(const CornerNudgeTable* active, int kind, int tag_bytes) {
  if (active == nullptr || active->count <= 0) return 0;
  const CornerNudgeTable& table = *active;
  for (int i = 0; i < table.count; ++i) {
    const CornerNudgeRule& rule = table.rules[i];
    const bool in_range = kind >= rule.first_kind && kind <= rule.last_kind;
    const bool short_enough = rule.below_bytes == 0 || tag_bytes < rule.below_bytes;
    if (in_range && short_enough) return nudge_of(rule, tag_bytes);
  }
  return nudge_of(table.rules[table.count - 1], tag_bytes);
}

}  // namespace tessaly::graph

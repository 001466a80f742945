#include <cmath>

#include "core/text.h"
#include "graph/axis_parts.h"
#include "graph/labels.h"
#include "graph/mapping.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

constexpr int kPsDot = 2;
constexpr int kPrinterPattern = 0xCCCC;  // dots the thinnest pen would lose on paper

}  // namespace

void draw_grid_line(Context& g, GridLine line, int x1, int y1, int x2, int y2) {
  const bool printing = g.surface.output_target == 1;
  if (line == GridLine::kSolid) {
    g.surface.draw_line(x1, y1, x2, y2, 0, printing ? 8 : 1, 0);
  } else if (line == GridLine::kTick) {
    g.surface.draw_line(x1, y1, x2, y2, 0, 1, 0);
  } else if (printing) {
    g.surface.pattern_line(x1, y1, x2, y2, 0, 6, kPrinterPattern);
  } else if (line == GridLine::kDotted) {
    g.surface.draw_line(x1, y1, x2, y2, 0, 0, kPsDot);
  } else {
    g.surface.pattern_line(x1, y1, x2, y2, 0, 0, line == GridLine::kFineDotted ? 0x5555 : 0x1111);
  }
}

void draw_y_number(Context& g, const GraphFrame& frame, double v, double sy, char prefix) {
  char label[kNumberTextCapacity];
  format_si(label, sizeof label, v, prefix);
  // The bottom number is raised and the top one lowered so that both stay beside the frame.
  const double raise = v == frame.y_min ? 13.0 : (v == frame.y_max ? 3.0 : 8.0);
  draw_number(g, frame.left - 4 - 8 * sjis_length(label), trunc_to_screen(sy - raise), v, 0.9, 0.9,
              0, prefix);
}

}  // namespace tessaly::graph

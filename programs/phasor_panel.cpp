#include "programs/phasor_panel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/text.h"
#include "graph/labels.h"
#include "graph/mapping.h"
#include "programs/frequency_marker.h"

namespace tessaly {

namespace {

constexpr int kBoxLeft = kPhasorPanelLeft + 4;
constexpr int kBoxRight = kPhasorPanelLeft + kPhasorPanelWidth - 4;
constexpr int kBoxTop = 8;
constexpr int kBoxBottom = 470;
constexpr int kTextLeft = kBoxLeft + 8;
constexpr int kDiagramLeft = kBoxLeft + 12;
constexpr int kDiagramTop = 88;
constexpr int kDiagramSize = 208;
constexpr int kListTop = kDiagramTop + kDiagramSize + 24;
constexpr int kRow = 16;
constexpr int kAxisColour = 8;
constexpr int kDotted = 2;
constexpr int kReferenceColour = 15;
constexpr int kTotalColour = 0;

// The colours of the elements follow Quirn's curves: R blue, L red, C green.
int phasor_colour(const PhasorSet& set, int index) {
  if (index == 0) return kReferenceColour;
  if (index == set.count - 1) return kTotalColour;
  switch (set.items[index].name[2]) {
    case 'R':
      return 1;
    case 'L':
      return 2;
    default:
      return 4;
  }
}

struct Point {
  double x, y;
};

// Origin and scale that fit every arrow tip of the diagram (the running sums and the total)
// into the square, centred. The reference is a current among voltages (or a voltage among
// currents): it only shows the direction of angle 0, drawn at a fixed share of the diagram.
struct Placement {
  double origin_x, origin_y, scale;
  double reference_length;  // in the units of the other phasors
};

constexpr double kReferenceShare = 0.3;

bool place(const PhasorSet& set, Placement* out) {
  double x_min = 0.0, x_max = 0.0, y_min = 0.0, y_max = 0.0;
  const auto take = [&](Complex z) {
    x_min = std::min(x_min, z.re);
    x_max = std::max(x_max, z.re);
    y_min = std::min(y_min, z.im);
    y_max = std::max(y_max, z.im);
  };
  take(set.total().value);
  Complex sum = kComplexZero;
  for (int i = 1; i < set.count - 1; ++i) {
    sum = sum + set.items[i].value;
    take(sum);
  }
  out->reference_length = kReferenceShare * std::max(x_max - x_min, y_max - y_min);
  take(Complex(out->reference_length, 0.0));
  const double span = std::max(x_max - x_min, y_max - y_min);
  if (!std::isfinite(span) || !(span > 0.0)) return false;
  const double scale = kDiagramSize / span;
  out->scale = scale;
  out->origin_x = kDiagramLeft + (kDiagramSize - (x_max - x_min) * scale) / 2.0 - x_min * scale;
  out->origin_y = kDiagramTop + (kDiagramSize - (y_max - y_min) * scale) / 2.0 + y_max * scale;
  return true;
}

Point at(const Placement& p, Complex z) {
  return {p.origin_x + z.re * p.scale, p.origin_y - z.im * p.scale};
}

// side 1 puts the name right of the arrow's way, -1 left of it.
void arrow(graph::Context& g, Point from, Point to, const char* name, int colour, int width,
           int side) {
  const int x1 = graph::round_to_screen(from.x);
  const int y1 = graph::round_to_screen(from.y);
  const int x2 = graph::round_to_screen(to.x);
  const int y2 = graph::round_to_screen(to.y);
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length < 1.0) return;
  g.surface.draw_line(x1, y1, x2, y2, colour, width, 0);
  const double ux = dx / length;
  const double uy = dy / length;
  const double head = std::min(8.0, length / 2.0);
  constexpr double kCos = 0.9;  // a head of about 26 degrees to each side
  constexpr double kSin = 0.436;
  const double back_x = -ux * head;
  const double back_y = -uy * head;
  g.surface.draw_line(x2, y2, graph::round_to_screen(to.x + back_x * kCos - back_y * kSin),
                      graph::round_to_screen(to.y + back_x * kSin + back_y * kCos), colour, width,
                      0);
  g.surface.draw_line(x2, y2, graph::round_to_screen(to.x + back_x * kCos + back_y * kSin),
                      graph::round_to_screen(to.y - back_x * kSin + back_y * kCos), colour, width,
                      0);
  // The name stands beside the middle of the arrow, clear of it: two arrows along one line in
  // opposite directions (V_L and V_C at resonance) get their names on opposite sides.
  if (length < 6.0) return;
  const double nx = -uy * side;
  const double ny = ux * side;
  const double half_width = 4.0 * sjis_length(name);
  // Kept inside the panel where the arrow runs along its edge.
  const double centre = std::clamp((from.x + to.x) / 2.0 + nx * (4.0 + half_width),
                                   kBoxLeft + 2.0 + half_width, kBoxRight - 2.0 - half_width);
  const int lx = graph::round_to_screen(centre);
  const int ly = graph::round_to_screen((from.y + to.y) / 2.0 + ny * (4.0 + kRow / 2)) - kRow / 2;
  g.surface.text_centred(lx, ly, name, colour, 0);
}

void axes(graph::Context& g, const Placement& p) {
  const int ox = graph::round_to_screen(p.origin_x);
  const int oy = graph::round_to_screen(p.origin_y);
  // Dotted, so that the reference along the real axis stays in sight.
  g.surface.draw_line(kDiagramLeft, oy, kDiagramLeft + kDiagramSize, oy, kAxisColour, 1, kDotted);
  g.surface.draw_line(ox, kDiagramTop, ox, kDiagramTop + kDiagramSize, kAxisColour, 1, kDotted);
  g.surface.text_at(kDiagramLeft + kDiagramSize - 16, oy + 2, "Re", kAxisColour, 0);
  g.surface.text_at(ox + 4, kDiagramTop, "Im", kAxisColour, 0);
}

void diagram(graph::Context& g, const PhasorSet& set) {
  Placement p;
  if (!place(set, &p)) return;
  axes(g, p);
  const Point origin = at(p, kComplexZero);
  arrow(g, origin, at(p, Complex(p.reference_length, 0.0)), set.reference().name,
        phasor_colour(set, 0), 1, 1);
  Complex sum = kComplexZero;
  for (int i = 1; i < set.count - 1; ++i) {
    const Complex next = sum + set.items[i].value;
    arrow(g, at(p, sum), at(p, next), set.items[i].name, phasor_colour(set, i), 1, 1);
    sum = next;
  }
  // The total often runs along an element (V along V_R near resonance): its name goes left.
  arrow(g, origin, at(p, set.total().value), set.total().name, kTotalColour, 2, -1);
}

void list(graph::Context& g, const PhasorSet& set) {
  char value[graph::kNumberTextCapacity];
  char row[2 * graph::kNumberTextCapacity];
  int y = kListTop;
  for (int i = 0; i < set.count; ++i, y += kRow) {
    const Phasor& p = set.items[i];
    graph::format_legend_value(value, sizeof value, magnitude(p.value));
    std::snprintf(row, sizeof row, "%-4s %s%s", p.name, value,
                  PhasorSet::is_voltage(p) ? "V" : "A");
    g.surface.text_at(kTextLeft, y, row, phasor_colour(set, i), 0);
  }
  std::snprintf(row, sizeof row, "%s の位相角 %.1f°", set.total().name,
                phase_degrees(set.total().value));
  g.surface.text_at(kTextLeft, y + kRow / 2, row, kTotalColour, 0);
}

const char* reference_text(CircuitShape shape) {
  return shape == CircuitShape::kParallel ? "基準 V＝1 V（並列）" : "基準 I＝1 A（直列）";
}

}  // namespace

void draw_phasor_panel(graph::Context& g, const PhasorSet& phasors, double frequency,
                       int curve_colour) {
  g.surface.fill_box(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom, 7);
  g.surface.draw_box(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom, 0, 1, 0);
  g.surface.text_at(kTextLeft, kBoxTop + 8, "ベクトル図", 0, 0);
  if (phasors.count == 0) {
    g.surface.text_at(kTextLeft, kBoxTop + 8 + kRow, "グラフ上の周波数を指してください", 0, 0);
    return;
  }
  char value[graph::kNumberTextCapacity];
  char row[2 * graph::kNumberTextCapacity];
  graph::format_legend_value(value, sizeof value, frequency);
  std::snprintf(row, sizeof row, "ｆ＝%sHz", value);
  g.surface.text_at(kTextLeft, kBoxTop + 8 + kRow, row, kMarkerColour, 0);
  g.surface.text_at(kTextLeft + 8 * 12, kBoxTop + 8 + kRow, "■", curve_colour, 0);
  g.surface.text_at(kTextLeft, kBoxTop + 8 + 2 * kRow,
                    phasors.shape == CircuitShape::kSingle ? "基準 I＝1 A（単一素子）"
                                                           : reference_text(phasors.shape),
                    0, 0);
  diagram(g, phasors);
  list(g, phasors);
}

}  // namespace tessaly

#include "programs/phasor_panel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "complex/hypot.h"
#include "core/text.h"
#include "graph/mapping.h"
#include "programs/frequency_marker.h"
#include "programs/teaching_numbers.h"

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
constexpr int kCharWidth = 8;
constexpr int kAxisColour = 8;
constexpr int kDotted = 2;
constexpr int kReferenceColour = 15;
constexpr int kTotalColour = 0;
// Two device pixels at magnification 1, the total a little bolder; heads long enough to read.
constexpr int kArrowWidth = 2;
constexpr int kTotalWidth = 3;
constexpr double kHeadLength = 10.0;
// Arrows along one line sit this far apart, side by side.
constexpr double kApart = 4.0;

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

struct Segment {
  Point from, to;
};

struct Arrow {
  Point from, to;
  const char* name;
  int colour, width;
  Segment parts[3];  // the shaft and the two sides of the head
};

struct Label {
  int left, top, right, bottom;
  const char* text;
  int colour;
};

constexpr int kMostLabels = kMostPhasors + 2;  // the phasors' names, "Re" and "Im"

// Everything the diagram draws, placed before anything is drawn.
struct Layout {
  Arrow arrows[kMostPhasors];
  int arrow_count = 0;
  Label labels[kMostLabels];
  int label_count = 0;
  int origin_x = 0, origin_y = 0;
  int width_factor = 1;  // 2 with the projector setting: names keep clear of the wider lines
};

double length_of(Point from, Point to) {
  return correctly_rounded_hypot(to.x - from.x, to.y - from.y);
}

// Whether two arrows run along one line and overlap there (within a pixel of it).
bool share_a_line(const Arrow& a, const Arrow& b) {
  const double la = length_of(a.from, a.to);
  const double lb = length_of(b.from, b.to);
  if (la < 1.0 || lb < 1.0) return false;
  const double ux = (a.to.x - a.from.x) / la;
  const double uy = (a.to.y - a.from.y) / la;
  const auto off_line = [&](Point p) {
    return std::fabs((p.x - a.from.x) * uy - (p.y - a.from.y) * ux);
  };
  if (off_line(b.from) > 1.0 || off_line(b.to) > 1.0) return false;
  const auto along = [&](Point p) { return (p.x - a.from.x) * ux + (p.y - a.from.y) * uy; };
  const double b1 = std::min(along(b.from), along(b.to));
  const double b2 = std::max(along(b.from), along(b.to));
  return b2 > 1.0 && b1 < la - 1.0;  // more than end to end
}

// The unit normal to the arrow's right.
Point right_of(const Arrow& a) {
  const double l = length_of(a.from, a.to);
  return {-(a.to.y - a.from.y) / l, (a.to.x - a.from.x) / l};
}

// Arrows along one line side by side, kApart from each other: each takes the first place
// across the line (0, then 1, -1, 2, -2 steps) that the arrows before it left free.
void set_apart(Layout& layout) {
  double offsets[kMostPhasors] = {};
  for (int j = 0; j < layout.arrow_count; ++j) {
    const Point nj = right_of(layout.arrows[j]);
    for (int step = 0; step < 2 * kMostPhasors; ++step) {
      const double d =
          kApart * layout.width_factor * ((step + 1) / 2) * (step % 2 == 1 ? 1.0 : -1.0);
      bool free = true;
      for (int i = 0; i < j && free; ++i) {
        if (!share_a_line(layout.arrows[i], layout.arrows[j])) continue;
        const Point ni = right_of(layout.arrows[i]);
        const double taken = offsets[i] * (ni.x * nj.x + ni.y * nj.y);
        free = std::fabs(taken - d) >= kApart * layout.width_factor - 1e-9;
      }
      if (free) {
        offsets[j] = d;
        break;
      }
    }
  }
  for (int j = 0; j < layout.arrow_count; ++j) {
    const Point n = right_of(layout.arrows[j]);
    Arrow& a = layout.arrows[j];
    a.from = {a.from.x + n.x * offsets[j], a.from.y + n.y * offsets[j]};
    a.to = {a.to.x + n.x * offsets[j], a.to.y + n.y * offsets[j]};
  }
}

void add_head(Arrow& a) {
  const double length = length_of(a.from, a.to);
  const double ux = (a.to.x - a.from.x) / length;
  const double uy = (a.to.y - a.from.y) / length;
  const double head = std::min(kHeadLength, length / 2.0);
  constexpr double kCos = 0.9;  // a head of about 26 degrees to each side
  constexpr double kSin = 0.436;
  const double back_x = -ux * head;
  const double back_y = -uy * head;
  a.parts[0] = {a.from, a.to};
  a.parts[1] = {a.to,
                {a.to.x + back_x * kCos - back_y * kSin, a.to.y + back_x * kSin + back_y * kCos}};
  a.parts[2] = {a.to,
                {a.to.x + back_x * kCos + back_y * kSin, a.to.y - back_x * kSin + back_y * kCos}};
}

// Whether a drawn line of `width` touches the label's box (with a pixel to spare).
bool crosses(const Segment& s, int width, const Label& l) {
  const double margin = width / 2.0 + 1.0;
  const double length = length_of(s.from, s.to);
  const int steps = static_cast<int>(length) + 1;
  for (int k = 0; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps;
    const double x = s.from.x + (s.to.x - s.from.x) * t;
    const double y = s.from.y + (s.to.y - s.from.y) * t;
    if (x >= l.left - margin && x <= l.right + margin && y >= l.top - margin &&
        y <= l.bottom + margin) {
      return true;
    }
  }
  return false;
}

bool overlaps(const Label& a, const Label& b) {
  return a.left < b.right + 2 && b.left < a.right + 2 && a.top < b.bottom + 1 &&
         b.top < a.bottom + 1;
}

bool free_place(const Layout& layout, const Label& label) {
  if (label.left < kBoxLeft + 2 || label.right > kBoxRight - 2 || label.top < kDiagramTop - kRow ||
      label.bottom > kListTop - 4) {
    return false;
  }
  for (int i = 0; i < layout.label_count; ++i) {
    if (overlaps(layout.labels[i], label)) return false;
  }
  for (int i = 0; i < layout.arrow_count; ++i) {
    for (const Segment& s : layout.arrows[i].parts) {
      if (crosses(s, layout.arrows[i].width * layout.width_factor, label)) return false;
    }
  }
  return true;
}

Label label_at(double centre_x, double centre_y, const char* text, int colour) {
  const int half = kCharWidth * sjis_length(text) / 2;
  const int x = graph::round_to_screen(centre_x);
  const int y = graph::round_to_screen(centre_y);
  return {x - half, y - kRow / 2, x + half, y + kRow / 2, text, colour};
}

// The name goes beside the arrow's middle if it can, else further out and along it, else
// anywhere free in the diagram, searched outwards from the middle.
void place_label(Layout& layout, Point from, Point to, const char* text, int colour, int side) {
  const double length = std::max(length_of(from, to), 1e-9);
  const double ux = (to.x - from.x) / length;
  const double uy = (to.y - from.y) / length;
  const double nx = -uy * side;
  const double ny = ux * side;
  const double half_width = kCharWidth * sjis_length(text) / 2.0;
  const Point middle = {(from.x + to.x) / 2.0, (from.y + to.y) / 2.0};
  constexpr double kAlong[] = {0.0, 0.25, -0.25, 0.4, -0.4};
  for (double away = 4.0; away <= 40.0; away += 6.0) {
    for (double along : kAlong) {
      for (int turn : {1, -1}) {
        const double clear = away + std::fabs(nx) * half_width + std::fabs(ny) * kRow / 2.0;
        const Label candidate =
            label_at(middle.x + ux * along * length + turn * nx * clear,
                     middle.y + uy * along * length + turn * ny * clear, text, colour);
        if (free_place(layout, candidate)) {
          layout.labels[layout.label_count++] = candidate;
          return;
        }
      }
    }
  }
  for (int ring = 1; ring <= 24; ++ring) {
    for (int k = 0; k < 8 * ring; ++k) {
      const double angle = 6.283185307179586 * k / (8 * ring);
      const Label candidate = label_at(middle.x + 8.0 * ring * std::cos(angle),
                                       middle.y + 8.0 * ring * std::sin(angle), text, colour);
      if (free_place(layout, candidate)) {
        layout.labels[layout.label_count++] = candidate;
        return;
      }
    }
  }
}

void add_arrow(Layout& layout, Point from, Point to, const char* name, int colour, int width) {
  if (length_of(from, to) < 1.0) return;
  layout.arrows[layout.arrow_count++] = {from, to, name, colour, width, {}};
}

Layout lay_out(const PhasorSet& set, const Placement& p, int width_factor) {
  Layout layout;
  layout.width_factor = width_factor;
  const Point origin = at(p, kComplexZero);
  layout.origin_x = graph::round_to_screen(origin.x);
  layout.origin_y = graph::round_to_screen(origin.y);
  add_arrow(layout, origin, at(p, Complex(p.reference_length, 0.0)), set.reference().name,
            phasor_colour(set, 0), kArrowWidth);
  Complex sum = kComplexZero;
  for (int i = 1; i < set.count - 1; ++i) {
    const Complex next = sum + set.items[i].value;
    add_arrow(layout, at(p, sum), at(p, next), set.items[i].name, phasor_colour(set, i),
              kArrowWidth);
    sum = next;
  }
  add_arrow(layout, origin, at(p, set.total().value), set.total().name, kTotalColour, kTotalWidth);
  set_apart(layout);
  for (int i = 0; i < layout.arrow_count; ++i) add_head(layout.arrows[i]);
  // The axes' names first, at their ends, then each arrow's name; the total's goes left of
  // its way, as it often runs along an element (V along V_R near resonance).
  place_label(layout, {kDiagramLeft + kDiagramSize - 20.0, origin.y},
              {kDiagramLeft + kDiagramSize + 0.0, origin.y}, "Re", kAxisColour, -1);
  place_label(layout, {origin.x, kDiagramTop + 20.0}, {origin.x, kDiagramTop + 0.0}, "Im",
              kAxisColour, 1);
  for (int i = 0; i < layout.arrow_count; ++i) {
    const Arrow& a = layout.arrows[i];
    place_label(layout, a.from, a.to, a.name, a.colour, i == layout.arrow_count - 1 ? -1 : 1);
  }
  return layout;
}

void draw_layout(graph::Context& g, const Layout& layout) {
  const int ox = layout.origin_x;
  const int oy = layout.origin_y;
  // Dotted, so that the reference along the real axis stays in sight.
  g.surface.draw_line(kDiagramLeft, oy, kDiagramLeft + kDiagramSize, oy, kAxisColour, 1, kDotted);
  g.surface.draw_line(ox, kDiagramTop, ox, kDiagramTop + kDiagramSize, kAxisColour, 1, kDotted);
  for (int i = 0; i < layout.arrow_count; ++i) {
    const Arrow& a = layout.arrows[i];
    for (const Segment& s : a.parts) {
      g.surface.draw_line(graph::round_to_screen(s.from.x), graph::round_to_screen(s.from.y),
                          graph::round_to_screen(s.to.x), graph::round_to_screen(s.to.y), a.colour,
                          a.width, 0);
    }
  }
  for (int i = 0; i < layout.label_count; ++i) {
    const Label& l = layout.labels[i];
    g.surface.text_at(l.left, l.top, l.text, l.colour, 0);
  }
}

void list(graph::Context& g, const PhasorSet& set) {
  char value[kTeachingNumberCapacity];
  char row[2 * kTeachingNumberCapacity];
  int y = kListTop;
  for (int i = 0; i < set.count; ++i, y += kRow) {
    const Phasor& p = set.items[i];
    format_with_prefix(value, sizeof value, magnitude(p.value));
    std::snprintf(row, sizeof row, "%-4s %s%s", p.name, value,
                  PhasorSet::is_voltage(p) ? "V" : "A");
    g.surface.text_at(kTextLeft, y, row, phasor_colour(set, i), 0);
  }
  std::snprintf(row, sizeof row, localized(g, "%s の位相角 %.1f°"), set.total().name,
                phase_degrees(set.total().value));
  g.surface.text_at(kTextLeft, y + kRow / 2, row, kTotalColour, 0);
}

const char* reference_text(CircuitShape shape) {
  return shape == CircuitShape::kParallel ? N_("基準 V＝1 V（並列）") : N_("基準 I＝1 A（直列）");
}

// A phasor that is no number comes of an element of 0 (1/(jωC) with C = 0): the message
// names that element instead of printing NaN.
const char* undrawable_message(const PhasorSet& set) {
  for (int i = 0; i < set.count; ++i) {
    const Complex z = set.items[i].value;
    if (std::isfinite(z.re) && std::isfinite(z.im)) continue;
    // Element names are "V_L", "I_C"...; a total or reference name has no element letter.
    const char* name = set.items[i].name;
    switch (name[1] == '_' ? name[2] : '\0') {
      case 'L':
        return N_("Ｌ が 0 なので描けません");
      case 'C':
        return N_("Ｃ が 0 なので描けません");
      case 'R':
        return N_("Ｒ が 0 なので描けません");
      default:
        return N_("Ｌ・Ｃ・Ｒ のどれかが 0 なので描けません");
    }
  }
  return nullptr;
}

}  // namespace

void draw_phasor_panel(graph::Context& g, const PhasorSet& phasors, double frequency,
                       int curve_colour) {
  g.surface.fill_box(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom, 7);
  g.surface.draw_box(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom, 0, 1, 0);
  g.surface.text_at(kTextLeft, kBoxTop + 8, localized(g, "ベクトル図"), 0, 0);
  if (phasors.count == 0) {
    g.surface.text_at(kTextLeft, kBoxTop + 8 + kRow,
                      localized(g, "グラフ上の周波数を指してください"), 0, 0);
    return;
  }
  char value[kTeachingNumberCapacity];
  char row[2 * kTeachingNumberCapacity];
  format_with_prefix(value, sizeof value, frequency);
  std::snprintf(row, sizeof row, localized(g, "ｆ＝%sHz"), value);
  g.surface.text_at(kTextLeft, kBoxTop + 8 + kRow, row, kMarkerColour, 0);
  g.surface.text_at(kTextLeft + 8 * 12, kBoxTop + 8 + kRow, "■", curve_colour, 0);
  g.surface.text_at(
      kTextLeft, kBoxTop + 8 + 2 * kRow,
      localized(g, phasors.shape == CircuitShape::kSingle ? N_("基準 I＝1 A（単一素子）")
                                                          : reference_text(phasors.shape)),
      0, 0);
  if (const char* message = undrawable_message(phasors)) {
    g.surface.text_at(kTextLeft, kDiagramTop, localized(g, message), 0, 0);
    return;
  }
  Placement p;
  if (place(phasors, &p)) draw_layout(g, lay_out(phasors, p, g.surface.pen(1)));
  list(g, phasors);
}

}  // namespace tessaly

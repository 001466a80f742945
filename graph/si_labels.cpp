// Numbers as a mantissa and an SI prefix character.
#include <cmath>
#include <cstdio>

#include "graph/labels.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

constexpr char kPrefixes[] = "fpnum kMGTE";  // 10^-15 .. 10^15 in steps of three
constexpr int kLowestPower = -15;

// Power of ten of a prefix character; 0 for a character that is none.
int prefix_power(char prefix) {
  for (int i = 0; kPrefixes[i] != '\0'; ++i) {
    if (kPrefixes[i] == prefix) return kLowestPower + 3 * i;
  }
  return 0;
}

// Beyond 10^+-15 there is no prefix: the mantissa stands alone.
char prefix_of_power(int power) {
  if (power < kLowestPower || power > -kLowestPower) return ' ';
  return kPrefixes[(power - kLowestPower) / 3];
}

}  // namespace

double prefix_factor(char prefix) {
  return std::pow(10.0, prefix_power(prefix));
}

double normalize_si(double value, char prefix, char* out_prefix) {
  *out_prefix = ' ';
  // An infinity would never enter the window; it is labelled as it stands ("inf").
  if (value == 0.0 || std::isnan(value) || std::isinf(value)) return value;
  const double sign = value < 0.0 ? -1.0 : 1.0;
  double a = sign * value;
  int k = 0;
  while (!(a >= 0.1 && a < 1000.0)) {
    if (a < 0.1) {
      a *= 1000.0;
      k += 3;
    } else {
      a *= 0.001;
      k -= 3;
    }
  }
  *out_prefix = prefix_of_power(prefix_power(prefix) - k);
  return sign * a;
}

int format_si(char* out, std::size_t capacity, double value, char prefix) {
  char p = ' ';
  const double m = normalize_si(value, prefix, &p);
  return std::snprintf(out, capacity, "%g%c", m, p);
}

int format_legend_value(char* out, std::size_t capacity, double value) {
  char p = ' ';
  const double m = normalize_si(value, ' ', &p);
  if (m >= 0.1 && m < 10.0) return std::snprintf(out, capacity, "%#3.2f%c", m, p);
  if (m >= 10.0 && m < 100.0) return std::snprintf(out, capacity, "%#3.1f%c", m, p);
  if (m >= 100.0 && m < 1000.0) return std::snprintf(out, capacity, "%3.0f%c", m, p);
  return std::snprintf(out, capacity, "%g%c", m, p);
}

void draw_number(Context& g, int x, int y, double value, double wf, double hf, int colour,
                 char prefix) {
  char label[kNumberTextCapacity];
  format_si(label, sizeof label, value, prefix);
  g.surface.draw_text(x, y, label, wf, hf, colour, 0);
}

void draw_int_number(Context& g, int x, int y, int value, double wf, double hf, int colour,
                     char prefix) {
  char p = ' ';
  const double m = normalize_si(static_cast<double>(value), prefix, &p);
  char label[kNumberTextCapacity];
  std::snprintf(label, sizeof label, "%d%c", static_cast<int>(m), p);
  g.surface.draw_text(x, y, label, wf, hf, colour, 0);
}

void draw_scale_per_div(Context& g, int x, int y, double value, int colour, char prefix, char unit,
                        int axis) {
  char p = ' ';
  const double m = normalize_si(value, prefix, &p);
  const char* format = localized(g, axis == 0 ? N_("→ Ｘ： %g %c%c%s") : N_("→ Ｙ： %g %c%c%s"));
  char label[kNumberTextCapacity];
  std::snprintf(label, sizeof label, format, m, p, unit, "  / div");
  g.surface.text_at(x, y, label, colour, axis);
}

}  // namespace tessaly::graph

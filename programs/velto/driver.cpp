#include "programs/velto/driver.h"

#include <cmath>

#include "core/state.h"
#include "graph/frame.h"
#include "graph/labels.h"
#include "graph/setup.h"
#include "graph/sweep.h"
#include "programs/driver_support.h"
#include "programs/velto/model.h"
#include "programs/velto/tables.h"

namespace tessaly::velto {

namespace {

constexpr int kSingleL = 1;
constexpr int kSingleC = 2;
constexpr int kDashMask = 0xF6F6;
constexpr int kPatternedPen = 4;

void fill_settings(graph::GraphSettings& settings) {
  const double* row = graph_constant_row();
  settings.point_count = interval_count(row[4]);
  settings.sweep_start = row[0];
  settings.sweep_stop = row[1];
  // The reactance analysis reads the reactance range, the others the magnitude range; the
  // range a pass does not set keeps what an earlier pass left.
  if (analysis_index == kReactanceAnalysis) {
    settings.reactance_min = -row[2];
    settings.reactance_max = row[3];
  } else {
    settings.magnitude_min = row[2];
    settings.magnitude_max = row[3];
  }
  settings.phase_min = -90.0;
  settings.phase_max = 90.0;
  settings.pen_style = 0;
  settings.pen_width = 1;
  set_graph_texts(settings, table_entry(circuit_names, circuit_index, ""),
                  table_entry(analysis_names, analysis_index, ""), "(Velto)");
}

// A step down to zero or below would leave no element: the base value stands in.
double stepped(double base, double steps) {
  const double value = (0.5 * steps + 1.0) * base;
  return value <= 0.0 ? base : value;
}

// The digit keys reach circuits 5 to 9, which have no curve: their graph keeps its frame,
// title, tag and legends and shows no curve.
void frame_without_curve(int kind, graph::GraphSettings& settings) {
  graph::set_up_graph(kind, settings, settings.title);
  graph::corner_label(kind, settings.tag, 3);
}

void l_legend(int kind, double l, int colour) {
  graph::legend_value(kind, 0, 1, " Ｌ", "［Ｈ］", l, colour);
}

void c_legend(int kind, double c, int colour) {
  graph::legend_value(kind, 4, 1, " Ｃ", "［Ｆ］", c, colour);
}

// The single L and C of a series or parallel LC, dashed, for comparison.
void reference_curves(int kind, graph::GraphSettings& settings, double l, double c) {
  const int circuit = circuit_index;
  circuit_index = kSingleL;
  graph::sweep_frequency_response(kind, model_evaluate, settings, curve_numbers[kSingleL]);
  l_legend(kind, l, curve_numbers[kSingleL]);
  graph::legend_rows = 0;
  circuit_index = kSingleC;
  graph::sweep_frequency_response(kind, model_evaluate, settings, curve_numbers[kSingleC]);
  c_legend(kind, c, curve_numbers[kSingleC]);
  graph::legend_rows = 0;
  circuit_index = circuit;
}

}  // namespace

void graph_driver() {
  graph::GraphSettings& settings = graph::graph_settings;
  fill_settings(settings);
  const int curve = table_entry(curve_numbers, circuit_index, 0);
  settings.curve_number = curve;

  const double base_l = circuit_constants[0];
  const double base_c = circuit_constants[1];
  double l = 0.0;
  double c = 0.0;
  if (analysis_index == 1) {
    l = base_l * std::pow(2.0, step_count);
    c = base_c * std::pow(2.0, step_count2);
  } else {
    l = stepped(base_l, step_count);
    c = stepped(base_c, step_count2);
  }
  component_l = l;
  component_c = c;

  // An analysis without a kind keeps the kind of the previous pass.
  current_kind = table_entry(analysis_kinds, analysis_index, current_kind);
  const int kind = current_kind;
  if (curve != 0) {
    graph::sweep_and_plot(kind, model_evaluate, settings);
  } else {
    frame_without_curve(kind, settings);
  }

  settings.pen_style = kPatternedPen;
  settings.dash_mask = kDashMask;
  settings.pen_width = 1;
  if (circuit_index == 3 || circuit_index == 4) reference_curves(kind, settings, l, c);

  const double resonance = 1.0 / (std::sqrt(l * c) * 6.2831854);
  graph::legend_value(kind, 12, 1, "共振周波数", " fo［Ｈｚ］", resonance, 0);
  graph::legend_rows = 0;
  if (circuit_index == kSingleL) l_legend(kind, l, curve);
  if (circuit_index == kSingleC) c_legend(kind, c, curve);
  graph::reset_legend();
}

}  // namespace tessaly::velto

#include "programs/velto/driver.h"

#include <cmath>

#include "complex/angles.h"
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

void fill_settings(Session& session, const graph::Context& g, graph::GraphSettings& settings) {
  const double* row = graph_constant_row(session);
  set_sweep(settings, row);
  // The reactance analysis reads the reactance range, the others the magnitude range; the
  // range a pass does not set keeps what an earlier pass left.
  if (session.analysis_index == kReactanceAnalysis) {
    settings.reactance_min = -row[2];
    settings.reactance_max = row[3];
  } else {
    settings.magnitude_min = row[2];
    settings.magnitude_max = row[3];
  }
  settings.pen_style = 0;
  settings.pen_width = 1;
  set_graph_texts(settings, localized(g, table_entry(circuit_names, session.circuit_index, "")),
                  localized(g, table_entry(analysis_names, session.analysis_index, "")), "(Velto)");
}

// The digit keys reach circuits 5 to 9, which have no curve: their graph keeps its frame,
// title, tag and legends and shows no curve.
void frame_without_curve(graph::Context& g, int kind, graph::GraphSettings& settings) {
  graph::set_up_graph(g, kind, settings, settings.title);
  graph::corner_label(g, kind, settings.tag, 3);
}

void l_legend(graph::Context& g, int kind, double l, int colour) {
  graph::legend_value(g, kind, 0, 1, localized(g, " Ｌ"), localized(g, "［Ｈ］"), l, colour);
}

void c_legend(graph::Context& g, int kind, double c, int colour) {
  graph::legend_value(g, kind, 4, 1, localized(g, " Ｃ"), localized(g, "［Ｆ］"), c, colour);
}

// The single L and C of a series or parallel LC, dashed, for comparison.
void reference_curves(Session& session, graph::Context& g, int kind, graph::GraphSettings& settings,
                      double l, double c) {
  const int circuit = session.circuit_index;
  session.circuit_index = kSingleL;
  graph::sweep_frequency_response(g, session, kind, model_evaluate, settings,
                                  curve_numbers[kSingleL]);
  l_legend(g, kind, l, curve_numbers[kSingleL]);
  g.legend_rows = 0;
  session.circuit_index = kSingleC;
  graph::sweep_frequency_response(g, session, kind, model_evaluate, settings,
                                  curve_numbers[kSingleC]);
  c_legend(g, kind, c, curve_numbers[kSingleC]);
  g.legend_rows = 0;
  session.circuit_index = circuit;
}

}  // namespace

void graph_driver(Session& session, graph::Context& g) {
  graph::GraphSettings& settings = g.graph_settings;
  fill_settings(session, g, settings);
  const int circuit_index = session.circuit_index;
  const int analysis_index = session.analysis_index;
  const double* circuit_constants = session.circuit_constants;
  const int curve = table_entry(curve_numbers, circuit_index, 0);
  settings.curve_number = curve;

  const double base_l = circuit_constants[0];
  const double base_c = circuit_constants[1];
  double l = 0.0;
  double c = 0.0;
  if (analysis_index == 1) {
    l = base_l * std::pow(2.0, session.step_count);
    c = base_c * std::pow(2.0, session.step_count2);
  } else {
    l = stepped(base_l, session.step_count);
    c = stepped(base_c, session.step_count2);
  }
  session.components.component_l = l;
  session.components.component_c = c;

  // An analysis without a kind keeps the kind of the previous pass.
  session.current_kind = table_entry(analysis_kinds, analysis_index, session.current_kind);
  const int kind = session.current_kind;
  if (curve != 0) {
    graph::sweep_and_plot(g, session, kind, model_evaluate, settings);
  } else {
    frame_without_curve(g, kind, settings);
  }

  settings.pen_style = kPatternedPen;
  settings.dash_mask = kDashMask;
  settings.pen_width = 1;
  if (circuit_index == 3 || circuit_index == 4) reference_curves(session, g, kind, settings, l, c);

  const double resonance = 1.0 / (std::sqrt(l * c) * kTwoPi);
  if (!g.question_only) {
    graph::legend_value(g, kind, 12, 1, localized(g, "共振周波数"), localized(g, " fo［Ｈｚ］"),
                        resonance, 0);
  }
  g.legend_rows = 0;
  if (circuit_index == kSingleL) l_legend(g, kind, l, curve);
  if (circuit_index == kSingleC) c_legend(g, kind, c, curve);
  graph::reset_legend(g);
}

}  // namespace tessaly::velto

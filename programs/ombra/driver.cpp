#include "programs/ombra/driver.h"

#include <cmath>

#include "graph/frame.h"
#include "graph/kind_traits.h"
#include "graph/labels.h"
#include "graph/sweep.h"
#include "programs/driver_support.h"
#include "programs/ombra/model.h"
#include "programs/ombra/tables.h"

namespace tessaly::ombra {

namespace {

constexpr double kParallelFactors[kCurves] = {0.01, 0.03, 0.1, 0.3, 1.0};
constexpr double kSeriesFactors[kCurves] = {0.0003, 0.001, 0.003, 0.01, 0.03};
constexpr const char* kCaptions[3] = {N_("ｲﾝﾀﾞｸﾀﾝｽ[H]"), N_("容量 [F]"), N_("抵抗［Ω］")};

void fill_settings(const Session& session, const graph::Context& g,
                   graph::GraphSettings& settings) {
  const double* row = session.graph_constants[0];
  set_sweep(settings, row);
  settings.magnitude_min = row[2];
  settings.magnitude_max = row[3];
  settings.locus_x_min = 0.0;
  settings.locus_x_max = 1200.0;
  settings.locus_y_min = -600.0;
  settings.locus_y_max = 600.0;
  settings.pen_width = 1;
  set_graph_texts(settings, localized(g, table_entry(circuit_names, session.circuit_index, "")),
                  localized(g, table_entry(analysis_names, session.analysis_index, "")), "(Ombra)");
}

// The "fo" mark sits where the default values resonate on the default axes.
void resonance_mark(const Session& session, graph::Context& g) {
  switch (session.analysis_index) {
    case 1:
      graph::boxed_label(g, 27, 9, "fo", 1, 6);
      break;
    case 2:
      graph::boxed_label(g, 27, 18, "fo", 1, 6);
      break;
    case 3:
      graph::boxed_label(g, 29, 10, "fo", 1, 6);
      break;
    default:
      break;
  }
}

}  // namespace

double curve_resistance_factor(int circuit, int curve) {
  return circuit == 1 ? kParallelFactors[curve] : kSeriesFactors[curve];
}

void graph_driver(Session& session, graph::Context& g) {
  graph::GraphSettings& settings = g.graph_settings;
  fill_settings(session, g, settings);

  const double* circuit_constants = session.circuit_constants;
  const double l = circuit_constants[0];
  const double c = circuit_constants[1] * (0.5 * session.step_count + 1.0);
  const double r0 = circuit_constants[2];
  Components& parts = session.components;
  parts.component_l = l;
  parts.component_c = c;

  // An analysis without a kind keeps the kind of the previous pass.
  session.current_kind = table_entry(analysis_kinds, session.analysis_index, session.current_kind);
  const int kind = session.current_kind;
  const int circuit_index = session.circuit_index;
  const int caption_step = kind == graph::kinds::kMagnitudeAndPhaseLog ? 4 : 3;
  const int resistance_row = kind == graph::kinds::kMagnitudeAndPhaseLog ? 14 : 13;

  // Circuits without a model keep the resistance of the previous pass; their Q stays 0.
  double q = 0.0;
  for (int i = 0; i < kCurves; ++i) {
    settings.curve_number = i + 1;
    if (circuit_index == 1) {
      parts.component_r = kParallelFactors[i] * r0;
      q = parts.component_r / std::sqrt(l / c);
    } else if (circuit_index == 2) {
      parts.component_r = kSeriesFactors[i] * r0;
      q = std::sqrt(l / c) / parts.component_r;
    }
    // A sharp resonance needs a close look: the rest of this pass sweeps 800 to 1200 Hz.
    if (kind == graph::kinds::kLocus && circuit_index == 1 && q > 5.0) {
      settings.sweep_start = 800.0;
      settings.sweep_stop = 1200.0;
    }
    graph::sweep_and_plot(g, session, kind, model_evaluate, settings);
    if (!g.question_only) graph::legend_value(g, kind, 0, i, localized(g, " Ｑ "), " ", q, i + 1);
    g.legend_rows = 0;
    graph::legend_value(g, kind, resistance_row, i, localized(g, "抵抗［Ω］"), " ",
                        parts.component_r, i + 1);
  }

  const double values[2] = {l, c};
  for (int i = 0; i <= circuit_constant_count - 2 && i < 2; ++i) {
    g.legend_rows = 0;
    graph::legend_value(g, kind, 7 + caption_step * i, 0, localized(g, kCaptions[i]), " ",
                        values[i], 0);
  }
  if (!g.fixed_marks_hidden) resonance_mark(session, g);
  graph::reset_legend(g);
}

}  // namespace tessaly::ombra

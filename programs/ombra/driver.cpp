#include "programs/ombra/driver.h"

#include <cmath>

#include "core/state.h"
#include "graph/frame.h"
#include "graph/labels.h"
#include "graph/sweep.h"
#include "programs/driver_support.h"
#include "programs/ombra/model.h"
#include "programs/ombra/tables.h"

namespace tessaly::ombra {

namespace {

constexpr int kCurves = 5;
constexpr double kParallelFactors[kCurves] = {0.01, 0.03, 0.1, 0.3, 1.0};
constexpr double kSeriesFactors[kCurves] = {0.0003, 0.001, 0.003, 0.01, 0.03};
constexpr const char* kCaptions[3] = {"ｲﾝﾀﾞｸﾀﾝｽ[H]", "容量 [F]", "抵抗［Ω］"};
constexpr int kLocusKind = 81;
constexpr int kTwoFrameKind = 119;

void fill_settings(graph::GraphSettings& settings) {
  settings.point_count = interval_count(graph_constants[4]);
  settings.sweep_start = graph_constants[0];
  settings.sweep_stop = graph_constants[1];
  settings.magnitude_min = graph_constants[2];
  settings.magnitude_max = graph_constants[3];
  settings.phase_min = -90.0;
  settings.phase_max = 90.0;
  settings.locus_x_min = 0.0;
  settings.locus_x_max = 1200.0;
  settings.locus_y_min = -600.0;
  settings.locus_y_max = 600.0;
  settings.pen_width = 1;
  set_graph_texts(settings, table_entry(circuit_names, circuit_index, ""),
                  table_entry(analysis_names, analysis_index, ""), "(Ombra)");
}

// The "fo" mark sits where the default values resonate on the default axes.
void resonance_mark() {
  switch (analysis_index) {
    case 1:
      graph::boxed_label(27, 9, "fo", 1, 6);
      break;
    case 2:
      graph::boxed_label(27, 18, "fo", 1, 6);
      break;
    case 3:
      graph::boxed_label(29, 10, "fo", 1, 6);
      break;
    default:
      break;
  }
}

}  // namespace

void graph_driver() {
  graph::GraphSettings& settings = graph::graph_settings;
  fill_settings(settings);

  const double l = circuit_constants[0];
  const double c = circuit_constants[1] * (0.5 * step_count + 1.0);
  const double r0 = circuit_constants[2];
  component_l = l;
  component_c = c;

  // An analysis without a kind keeps the kind of the previous pass.
  current_kind = table_entry(analysis_kinds, analysis_index, current_kind);
  const int kind = current_kind;
  const int caption_step = kind == kTwoFrameKind ? 4 : 3;
  const int resistance_row = kind == kTwoFrameKind ? 14 : 13;

  // Circuits without a model keep the resistance of the previous pass; their Q stays 0.
  double q = 0.0;
  for (int i = 0; i < kCurves; ++i) {
    settings.curve_number = i + 1;
    if (circuit_index == 1) {
      component_r = kParallelFactors[i] * r0;
      q = component_r / std::sqrt(l / c);
    } else if (circuit_index == 2) {
      component_r = kSeriesFactors[i] * r0;
      q = std::sqrt(l / c) / component_r;
    }
    // A sharp resonance needs a close look: the rest of this pass sweeps 800 to 1200 Hz.
    if (kind == kLocusKind && circuit_index == 1 && q > 5.0) {
      settings.sweep_start = 800.0;
      settings.sweep_stop = 1200.0;
    }
    graph::sweep_and_plot(kind, model_evaluate, settings);
    graph::legend_value(kind, 0, i, " Ｑ ", " ", q, i + 1);
    graph::legend_rows = 0;
    graph::legend_value(kind, resistance_row, i, "抵抗［Ω］", " ", component_r, i + 1);
  }

  const double values[2] = {l, c};
  for (int i = 0; i <= circuit_constant_count - 2 && i < 2; ++i) {
    graph::legend_rows = 0;
    graph::legend_value(kind, 7 + caption_step * i, 0, kCaptions[i], " ", values[i], 0);
  }
  resonance_mark();
  graph::reset_legend();
}

}  // namespace tessaly::ombra

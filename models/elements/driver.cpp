#include "models/elements/driver.h"

#include "graph/frame.h"
#include "graph/labels.h"
#include "graph/sweep.h"
#include "models/driver_support.h"
#include "models/elements/model.h"
#include "models/elements/tables.h"
#include "models/state.h"

namespace tessaly::quirn {

namespace {

constexpr int kElements = 3;  // R, L, C, numbered 1 to 3 like circuit_index
constexpr int kAllElements = 4;
constexpr double kElementValues[kElements + 1] = {0.0, kBaseResistance, kBaseInductance,
                                                  kBaseCapacitance};

// Other analyses keep the kind and the ranges of the previous pass.
void fill_ranges(graph::GraphSettings& settings) {
  if (analysis_index != 1 && analysis_index != 2) return;
  const bool linear = analysis_index == 1;
  current_kind = analysis_kinds[analysis_index];
  settings.point_count = 400;
  settings.sweep_start = linear ? 1.0 : 10.0;
  settings.sweep_stop = 100.0;
  settings.magnitude_min = linear ? 1.0 : 100.0;
  settings.magnitude_max = 1000.0;
  settings.phase_min = -90.0;
  settings.phase_max = 90.0;
}

}  // namespace

void graph_driver() {
  graph::GraphSettings& settings = graph::graph_settings;
  fill_ranges(settings);
  // Every number above 3 draws all three elements, and is named like the R, L, C element.
  const int selection = circuit_index;
  const int named = selection > kAllElements ? kAllElements : selection;
  set_graph_texts(settings, table_entry(circuit_names, named, ""),
                  table_entry(analysis_names, analysis_index, ""), "(Quirn)");
  settings.pen_width = 1;

  const int kind = current_kind;
  for (int element = 1; element <= kElements; ++element) {
    if (selection < kAllElements && element != selection) continue;
    circuit_index = element;
    settings.curve_number = element_curves[element];
    graph::sweep_and_plot(kind, model_evaluate, settings);
    graph::legend_value(kind, 3 * (element - 1), 1, element_captions[element],
                        element_units[element], kElementValues[element], element_curves[element]);
    graph::legend_rows = 0;
  }
  circuit_index = selection;
  graph::reset_legend();
}

}  // namespace tessaly::quirn

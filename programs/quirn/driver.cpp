#include "programs/quirn/driver.h"

#include "core/state.h"
#include "graph/frame.h"
#include "graph/labels.h"
#include "graph/sweep.h"
#include "programs/driver_support.h"
#include "programs/quirn/model.h"
#include "programs/quirn/tables.h"

namespace tessaly::quirn {

namespace {

constexpr int kElements = 3;  // R, L, C, numbered 1 to 3 like circuit_index
constexpr int kAllElements = 4;
// Where each element (R, L, C) finds its value among the circuit constants.
constexpr int kElementConstants[kElements + 1] = {0, kResistance, kInductance, kCapacitance};

// Other analyses keep the kind and the ranges of the previous pass.
void fill_ranges(graph::GraphSettings& settings) {
  if (analysis_index != 1 && analysis_index != 2) return;
  const double* row = graph_constant_row();
  current_kind = analysis_kinds[analysis_index];
  settings.point_count = interval_count(row[4]);
  settings.sweep_start = row[0];
  settings.sweep_stop = row[1];
  settings.magnitude_min = row[2];
  settings.magnitude_max = row[3];
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
                        element_units[element], circuit_constants[kElementConstants[element]],
                        element_curves[element]);
    graph::legend_rows = 0;
  }
  circuit_index = selection;
  graph::reset_legend();
}

}  // namespace tessaly::quirn

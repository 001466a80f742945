#include "programs/quirn/driver.h"

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

// Other analyses keep the kind and the ranges of the previous pass.
void fill_ranges(Session& session, graph::GraphSettings& settings) {
  const int analysis_index = session.analysis_index;
  if (analysis_index != 1 && analysis_index != 2) return;
  const double* row = graph_constant_row(session);
  session.current_kind = analysis_kinds[analysis_index];
  set_sweep(settings, row);
  settings.magnitude_min = row[2];
  settings.magnitude_max = row[3];
}

}  // namespace

void graph_driver(Session& session, graph::Context& g) {
  graph::GraphSettings& settings = g.graph_settings;
  fill_ranges(session, settings);
  // Every number above 3 draws all three elements, and is named like the R, L, C element.
  const int selection = session.circuit_index;
  // Increase and Decrease step every element by half of its base value, as Ombra steps C.
  const double* base = session.circuit_constants;
  const double steps = session.step_count;
  session.components = {stepped(base[kResistance], steps), stepped(base[kInductance], steps),
                        stepped(base[kCapacitance], steps)};
  const double element_values[kElements + 1] = {0.0, session.components.component_r,
                                                session.components.component_l,
                                                session.components.component_c};
  const int named = selection > kAllElements ? kAllElements : selection;
  set_graph_texts(settings, localized(g, table_entry(circuit_names, named, "")),
                  localized(g, table_entry(analysis_names, session.analysis_index, "")), "(Quirn)");
  settings.pen_width = 1;

  const int kind = session.current_kind;
  for (int element = 1; element <= kElements; ++element) {
    if (selection < kAllElements && element != selection) continue;
    session.circuit_index = element;
    settings.curve_number = element_curves[element];
    graph::sweep_and_plot(g, session, kind, model_evaluate, settings);
    graph::legend_value(g, kind, 3 * (element - 1), 1, localized(g, element_captions[element]),
                        localized(g, element_units[element]), element_values[element],
                        element_curves[element]);
    g.legend_rows = 0;
  }
  session.circuit_index = selection;
  graph::reset_legend(g);
}

}  // namespace tessaly::quirn

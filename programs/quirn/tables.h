// Quirn's tables: names, kinds, the elements' colours and legend texts, and the values its
// dialogs edit: the base values L0, C0 and R0, and the graph constants of each analysis.
#pragma once

#include "core/session.h"

namespace tessaly::quirn {

extern const char* const circuit_names[5];
extern const char* const analysis_names[3];
extern const int analysis_kinds[3];  // by analysis_index; entry 0 unused
extern const int element_curves[4];  // colour of each element's curve; entry 0 unused
extern const char* const element_captions[4];
extern const char* const element_units[4];

// In the order of the shared "DLG1" template's labels.
constexpr int kInductance = 0;
constexpr int kCapacitance = 1;
constexpr int kResistance = 2;
constexpr int circuit_constant_count = 3;  // L0 [H], C0 [F], R0 [ohm]

// One row per analysis: sweep start, stop [Hz], |Z| min, |Z| max, points. Row 0 is what the
// dialog edits for analysis numbers without a row; the driver draws such analyses with the
// ranges of the previous pass.
constexpr int graph_constant_rows = 3;
constexpr int graph_constant_count = 5;

// The row of the analysis now selected.
double* graph_constant_row(Session& session);

void reset_tables(Session& session);

}  // namespace tessaly::quirn

// Velto's tables: names, kinds, curve colours, and the start-up values of what its dialogs
// edit: the base values L0 and C0, and the graph constants of each analysis.
#pragma once

#include "core/session.h"

namespace tessaly::velto {

extern const char* const circuit_names[5];
extern const char* const analysis_names[5];
extern const int analysis_kinds[4];  // by analysis_index; entry 0 unused
extern const int curve_numbers[5];   // colour of each circuit's curve; entry 0 unused

constexpr int circuit_constant_count = 2;  // L0 [H], C0 [F]

// One row per analysis: sweep start, stop [Hz], y min, y max, points. Row 0 serves analysis
// numbers without a row of their own; like every analysis but the first they sweep linearly.
// The reactance analysis runs from -(y min) to y max, since a dialog stores no sign.
constexpr int kReactanceAnalysis = 3;
constexpr int graph_constant_rows = 4;
constexpr int graph_constant_count = 5;

// The row of the analysis now selected.
double* graph_constant_row(Session& session);

void reset_tables(Session& session);

}  // namespace tessaly::velto

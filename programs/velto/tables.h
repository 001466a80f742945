// Velto's tables: names, kinds, curve colours, and the values its dialogs edit: the base values
// L0 and C0, and the graph constants of each analysis.
#pragma once

#include <array>

namespace tessaly::velto {

extern const char* const circuit_names[5];
extern const char* const analysis_names[5];
extern const int analysis_kinds[4];  // by analysis_index; entry 0 unused
extern const int curve_numbers[5];   // colour of each circuit's curve; entry 0 unused

extern std::array<double, 5> circuit_constants;  // L0 [H], C0 [F], unused, unused, unused
extern int circuit_constant_count;

// One row per analysis: sweep start, stop [Hz], y min, y max, points. Row 0 serves analysis
// numbers without a row of their own; like every analysis but the first they sweep linearly.
// The reactance analysis runs from -(y min) to y max, since a dialog stores no sign.
constexpr int kReactanceAnalysis = 3;
extern std::array<std::array<double, 5>, 4> graph_constants;
extern int graph_constant_count;

// The row of the analysis now selected.
double* graph_constant_row();

void reset_tables();

}  // namespace tessaly::velto

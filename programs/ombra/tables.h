// Ombra's tables: circuit and analysis names, kinds, and the start-up values of the constants
// its dialogs edit.
#pragma once

#include "core/session.h"

namespace tessaly::ombra {

extern const char* const circuit_names[5];
extern const char* const analysis_names[5];
extern const int analysis_kinds[5];  // by analysis_index; entry 0 unused

constexpr int circuit_constant_count = 3;  // L0 [H], C0 [F], R0 [ohm]
constexpr int graph_constant_count = 5;    // sweep start, stop [Hz], y min, y max, points

// Ombra keeps one set of graph constants for every analysis.
double* graph_constant_row(Session& session);
void reset_tables(Session& session);

}  // namespace tessaly::ombra

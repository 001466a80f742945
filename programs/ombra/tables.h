// Ombra's tables: circuit and analysis names, kinds, and the constants its dialogs edit.
#pragma once

namespace tessaly::ombra {

extern const char* const circuit_names[5];
extern const char* const analysis_names[5];
extern const int analysis_kinds[5];  // by analysis_index; entry 0 unused

extern double circuit_constants[5];  // L0 [H], C0 [F], R0 [ohm], unused, unused
extern int circuit_constant_count;
extern double graph_constants[5];  // sweep start, stop [Hz], y min, y max, points
extern int graph_constant_count;

void reset_tables();

}  // namespace tessaly::ombra

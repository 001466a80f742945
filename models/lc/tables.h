// Velto's tables. Its base values L0 and C0 are fixed in the driver's arithmetic; the dialogs
// bind no values (both counts 0).
#pragma once

namespace tessaly::velto {

extern const char* const circuit_names[5];
extern const char* const analysis_names[5];
extern const int analysis_kinds[4];  // by analysis_index; entry 0 unused
extern const int curve_numbers[5];   // colour of each circuit's curve; entry 0 unused

constexpr double kBaseInductance = 0.002533;
constexpr double kBaseCapacitance = 1e-05;

extern double circuit_constants[5];
extern int circuit_constant_count;
extern double graph_constants[5];
extern int graph_constant_count;

void reset_tables();

}  // namespace tessaly::velto

// Quirn's tables. R0, L0 and C0 are fixed base values read by the model and the driver; the
// dialogs bind no values (both counts 0).
#pragma once

namespace tessaly::quirn {

extern const char* const circuit_names[5];
extern const char* const analysis_names[3];
extern const int analysis_kinds[3];  // by analysis_index; entry 0 unused
extern const int element_curves[4];  // colour of each element's curve; entry 0 unused
extern const char* const element_captions[4];
extern const char* const element_units[4];

constexpr double kBaseResistance = 300.0;
constexpr double kBaseInductance = 1.5;
constexpr double kBaseCapacitance = 1.5e-05;

extern double circuit_constants[5];
extern int circuit_constant_count;
extern double graph_constants[5];
extern int graph_constant_count;

void reset_tables();

}  // namespace tessaly::quirn

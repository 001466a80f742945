#include "programs/quirn/tables.h"

#include "core/catalog.h"
#include "graph/kind_traits.h"
#include "programs/driver_support.h"

namespace tessaly::quirn {

const char* const circuit_names[5] = {N_("Ｒ、Ｃ、Ｌ素子のインピーダンス周波数特性　"),
                                      N_("Ｒ素子  "), N_("Ｌ素子  "), N_("Ｃ素子  "),
                                      N_("Ｒ、Ｃ、Ｌ素子  ")};
const char* const analysis_names[3] = {N_("Ｒ、Ｃ、Ｌ素子のインピーダンス周波数特性　"),
                                       N_("インピーダンス周波数特性（リニア）"),
                                       N_("インピーダンス周波数特性（対数）")};
const int analysis_kinds[3] = {0, graph::kinds::kMagnitudeAndPhaseLinear,
                               graph::kinds::kMagnitudeAndPhaseLog};
const int element_curves[4] = {0, 1, 2, 4};
const char* const element_captions[4] = {"", N_("抵抗 "), N_("ｲﾝﾀﾞｸﾀﾝｽ"), N_("容量 ")};
const char* const element_units[4] = {"", N_("Ｒ［Ω］"), N_("Ｌ［Ｈ］"), N_("Ｃ［Ｆ］")};

namespace {
constexpr double kCircuitDefaults[kEditableValues] = {1.5, 1.5e-05, 300.0, 0.0, 0.0};
constexpr double kGraphDefaults[graph_constant_rows][kEditableValues] = {
    {1.0, 100.0, 1.0, 1000.0, 400.0},
    {1.0, 100.0, 1.0, 1000.0, 400.0},
    {10.0, 100.0, 100.0, 1000.0, 400.0},
};
}  // namespace

double* graph_constant_row(Session& session) {
  return analysis_row(session, graph_constant_rows);
}

void reset_tables(Session& session) {
  copy_tables(session, kCircuitDefaults, kGraphDefaults);
}

}  // namespace tessaly::quirn

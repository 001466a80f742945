#include "programs/velto/tables.h"

#include "core/catalog.h"
#include "graph/kind_traits.h"
#include "programs/driver_support.h"

namespace tessaly::velto {

const char* const circuit_names[5] = {N_("ＬＣ素子の周波数特性　"), N_("単一Ｌ素子  "),
                                      N_("単一Ｃ素子  "), N_("直列ＬＣ素子  "),
                                      N_("並列ＬＣ素子  ")};
const char* const analysis_names[5] = {
    N_("ＬＣ素子の周波数特性　"), N_("インピーダンス周波数特性（対数目盛）"),
    N_("インピーダンス周波数特性（リニア目盛）"), N_("リアクタンス周波数特性（リニア）"), ""};
const int analysis_kinds[4] = {0, graph::kinds::kMagnitudeAndPhaseLog,
                               graph::kinds::kMagnitudeAndPhaseLinear,
                               graph::kinds::kReactanceLinear};
const int curve_numbers[5] = {0, 1, 2, 4, 5};

namespace {
constexpr double kCircuitDefaults[kEditableValues] = {0.002533, 1e-05, 0.0, 0.0, 0.0};
constexpr double kGraphDefaults[graph_constant_rows][kEditableValues] = {
    {1.0, 2000.0, 0.1, 60.0, 400.0},
    {100.0, 10000.0, 0.1, 1000.0, 400.0},
    {1.0, 2000.0, 0.1, 60.0, 400.0},
    {1.0, 2000.0, 60.0, 60.0, 400.0},
};
}  // namespace

double* graph_constant_row(Session& session) {
  return analysis_row(session, graph_constant_rows);
}

void reset_tables(Session& session) {
  copy_tables(session, kCircuitDefaults, kGraphDefaults);
}

}  // namespace tessaly::velto

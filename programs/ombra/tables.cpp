#include "programs/ombra/tables.h"

#include "core/catalog.h"
#include "graph/kind_traits.h"
#include "programs/driver_support.h"

namespace tessaly::ombra {

const char* const circuit_names[5] = {N_("ＬＣＲ回路"), N_("並列ＬＣＲ回路１"),
                                      N_("直列ＬＣＲ回路２"), "", ""};
const char* const analysis_names[5] = {
    N_("解析特性"), N_("インピーダンス周波数特性"), N_("インピーダンス振幅周波数特性"),
    N_("インピーダンス位相周波数特性"), N_("インピーダンスベクトル軌跡")};
const int analysis_kinds[5] = {0, graph::kinds::kMagnitudeAndPhaseLog, graph::kinds::kMagnitudeLog,
                               graph::kinds::kPhaseLog, graph::kinds::kLocus};

namespace {

constexpr double kCircuitDefaults[kEditableValues] = {0.0025, 1e-05, 1000.0, 0.0, 0.0};
constexpr double kGraphDefaults[1][kEditableValues] = {{10.0, 100000.0, 0.1, 1000.0, 500.0}};

}  // namespace

double* graph_constant_row(Session& session) {
  return session.graph_constants[0];
}

void reset_tables(Session& session) {
  copy_tables(session, kCircuitDefaults, kGraphDefaults);
}

}  // namespace tessaly::ombra

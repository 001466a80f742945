#include "models/program.h"

#include <iterator>

#include "models/rcl/driver.h"
#include "models/rcl/model.h"
#include "models/rcl/tables.h"
#include "models/shared_nudges.h"
#include "resources/dialogs.h"
#include "resources/menus.h"

namespace tessaly {

const ProgramDescriptor& ombra_program() {
  static const ProgramDescriptor program = {
      "ombra",
      "Ombra",
      "(Ombra)",
      ombra::circuit_names,
      static_cast<int>(std::size(ombra::circuit_names)),
      ombra::analysis_names,
      static_cast<int>(std::size(ombra::analysis_names)),
      {ombra::circuit_constants, &ombra::circuit_constant_count},
      {ombra::graph_constants, &ombra::graph_constant_count},
      ombra::model_evaluate,
      ombra::graph_driver,
      ombra::reset_tables,
      &resources::ombra_menu,
      {&resources::circuit_constants_dialog, &resources::graph_constants_dialog,
       &resources::magnification_dialog},
      &shared_corner_nudges,
      "",
  };
  return program;
}

}  // namespace tessaly

#include "models/program.h"

#include <iterator>

#include "models/lc/driver.h"
#include "models/lc/model.h"
#include "models/lc/tables.h"
#include "models/shared_nudges.h"
#include "resources/dialogs.h"
#include "resources/menus.h"

namespace tessaly {

const ProgramDescriptor& velto_program() {
  static const ProgramDescriptor program = {
      "velto",
      "Velto",
      "(Velto)",
      velto::circuit_names,
      static_cast<int>(std::size(velto::circuit_names)),
      velto::analysis_names,
      static_cast<int>(std::size(velto::analysis_names)),
      {velto::circuit_constants, &velto::circuit_constant_count},
      {velto::graph_constants, &velto::graph_constant_count},
      velto::model_evaluate,
      velto::graph_driver,
      velto::reset_tables,
      &resources::velto_menu,
      {&resources::circuit_constants_dialog, &resources::graph_constants_dialog,
       &resources::magnification_dialog},
      &shared_corner_nudges,
      "",
  };
  return program;
}

}  // namespace tessaly

#include "programs/descriptor.h"

#include <cstring>
#include <initializer_list>

#include "core/state.h"
#include "graph/corner_nudge.h"
#include "graph/frame.h"
#include "programs/reference.h"
#include "resources/commands.h"
#include "surface/surface.h"

namespace tessaly {

namespace {
const ProgramDescriptor* running = nullptr;
}

const ProgramDescriptor* find_program(const char* id) {
  for (const ProgramDescriptor* program : {&ombra_program(), &velto_program(), &quirn_program()}) {
    if (std::strcmp(program->id, id) == 0) return program;
  }
  return nullptr;
}

void activate_program(const ProgramDescriptor& program) {
  running = &program;
  reset_analysis_state();
  clear_pending = 0;
  reset_reference();
  s_value = Complex();
  model_result = Complex();
  program.reset_tables();
  surface::reset_surface_state();
  surface::fill_colour_table();
  graph::reset_graph_state();
  graph::set_corner_nudges(program.corner_nudges);
}

const ProgramDescriptor& active_program() {
  return running ? *running : ombra_program();
}

}  // namespace tessaly

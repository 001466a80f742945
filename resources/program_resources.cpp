#include "resources/program_resources.h"

#include <cstring>

namespace tessaly::resources {

namespace {

const ProgramResources kOmbra = {
    &ombra_menu, {&circuit_constants_dialog, &graph_constants_dialog, &magnification_dialog}};
const ProgramResources kVelto = {
    &velto_menu, {&lc_circuit_constants_dialog, &graph_constants_dialog, &magnification_dialog}};
const ProgramResources kQuirn = {&quirn_menu,
                                 {&circuit_constants_dialog, &graph_constants_dialog, nullptr}};

}  // namespace

const ProgramResources& resources_of(const ProgramDescriptor& program) {
  if (std::strcmp(program.id, "velto") == 0) return kVelto;
  if (std::strcmp(program.id, "quirn") == 0) return kQuirn;
  return kOmbra;
}

}  // namespace tessaly::resources

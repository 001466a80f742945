#include <cstring>
#include <initializer_list>

#include "programs/descriptor.h"

namespace tessaly {

const ProgramDescriptor* find_program(const char* id) {
  for (const ProgramDescriptor* program : {&ombra_program(), &velto_program(), &quirn_program()}) {
    if (std::strcmp(program->id, id) == 0) return program;
  }
  return nullptr;
}

bool graph_field_used(const ProgramDescriptor& program, int analysis, GraphField field) {
  if (analysis < 0 || analysis >= program.fixed_graph_field_count) return true;
  return (program.fixed_graph_fields[analysis] & 1u << field) == 0;
}

Session start_session(const ProgramDescriptor& program) {
  Session session;
  session.program = &program;
  program.reset_tables(session);
  return session;
}

}  // namespace tessaly

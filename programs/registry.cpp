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

Session start_session(const ProgramDescriptor& program) {
  Session session;
  session.program = &program;
  program.reset_tables(session);
  return session;
}

}  // namespace tessaly

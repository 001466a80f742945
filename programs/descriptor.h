// One program of the family: its tables, model, driver and tag; its menu and dialogs are in
// resources/. The shell, the renderer and the tests pick one of these and never ask which
// program they are running.
#pragma once

#include "complex/complex.h"
#include "graph/corner_nudge.h"

namespace tessaly {

using ModelFn = Complex (*)();

// An ordered list of values that a dialog edits (at most five). Which list is in force may
// follow the analysis state (graph constants kept per analysis), so a dialog asks for it when
// it opens.
struct ValueList {
  double* (*row)();
  int* count;
};

struct ProgramDescriptor {
  const char* id;            // "ombra": command lines and file names
  const char* display_name;  // "Ombra"
  const char* tag;           // "(Ombra)"
  const char* const* circuit_names;
  int circuit_name_count;
  const char* const* analysis_names;
  int analysis_name_count;
  ValueList circuit_constants;  // "DLG1"
  ValueList graph_constants;    // "DLG2"
  ModelFn model_evaluate;
  void (*graph_driver)();
  void (*reset_tables)();  // start-up values of the program's own editable tables
  const graph::CornerNudgeTable* corner_nudges;
  const char* help_text;
};

const ProgramDescriptor& ombra_program();
const ProgramDescriptor& velto_program();
const ProgramDescriptor& quirn_program();
// nullptr for an unknown id.
const ProgramDescriptor* find_program(const char* id);

// Makes the program the running one and restores the start-up state of every room.
void activate_program(const ProgramDescriptor& program);
const ProgramDescriptor& active_program();

}  // namespace tessaly

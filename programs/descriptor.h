// One program of the family: its tables, model, driver and tag; its menu and dialogs are in
// resources/. The shell, the renderer and the tests pick one of these and never ask which
// program they are running.
#pragma once

#include "core/session.h"
#include "graph/context.h"
#include "graph/corner_nudge.h"
#include "programs/circuit_form.h"

namespace tessaly {

// An ordered list of values that a dialog edits (at most five). Which list is in force may
// follow the analysis state (graph constants kept per analysis), so a dialog asks for it when
// it opens.
struct ValueList {
  double* (*row)(Session& session);
  int count;
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
  graph::ModelFn model_evaluate;
  // Draws the whole graph of the session's analysis state through the context.
  void (*graph_driver)(Session& session, graph::Context& context);
  // Start-up values of the program's own editable tables in a session.
  void (*reset_tables)(Session& session);
  const graph::CornerNudgeTable* corner_nudges;
  const char* help_text;
  // By circuit number (entry 0 unused); numbers past the end have no circuit of their own.
  const CircuitForm* circuit_forms;
  int circuit_form_count;
};

const ProgramDescriptor& ombra_program();
const ProgramDescriptor& velto_program();
const ProgramDescriptor& quirn_program();
// nullptr for an unknown id.
const ProgramDescriptor* find_program(const char* id);

// A session of the program at its start-up state.
Session start_session(const ProgramDescriptor& program);

}  // namespace tessaly

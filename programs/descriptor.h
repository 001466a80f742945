// One program of the family, whole: its tables, model, driver and tag, its menu, dialogs and
// teaching pop-up, the graph fields each analysis uses and its circuit forms. The shell, the
// renderer, the page and the tests pick one of these and never ask which program they run.
#pragma once

#include "core/session.h"
#include "graph/context.h"
#include "graph/corner_nudge.h"
#include "programs/circuit_form.h"
#include "programs/dialog_template.h"
#include "programs/menu.h"

namespace tessaly {

// An ordered list of values that a dialog edits (at most five). Which list is in force may
// follow the analysis state (graph constants kept per analysis), so a dialog asks for it when
// it opens.
struct ValueList {
  double* (*row)(Session& session);
  int count;
};

// The fields of "DLG2", in their order.
enum GraphField { kSweepStartField, kSweepStopField, kYMinimumField, kYMaximumField, kPointsField };

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
  const Menu* menu;                  // "MenuControl"
  const DialogTemplate* dialogs[3];  // "DLG1" to "DLG3"; null where the program has none
  const MenuPopup* teaching_popup;   // after the program's own pop-ups
  // By analysis number (entry 0 unused): bits (1 << GraphField) of the graph constants that the
  // analysis draws with fixed values instead; analyses past the end use every field.
  const unsigned* fixed_graph_fields;
  int fixed_graph_field_count;
};

// Whether the analysis draws with this graph constant (a dialog greys out the ones it does not).
bool graph_field_used(const ProgramDescriptor& program, int analysis, GraphField field);

const ProgramDescriptor& ombra_program();
const ProgramDescriptor& velto_program();
const ProgramDescriptor& quirn_program();
// nullptr for an unknown id.
const ProgramDescriptor* find_program(const char* id);

// A session of the program at its start-up state.
Session start_session(const ProgramDescriptor& program);

}  // namespace tessaly

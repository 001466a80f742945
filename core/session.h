// The analysis state of one running program: what the shell changes from menus, keys and
// dialogs, what the drivers read and write on every pass, and the values of the last curve.
// The window, the renderer or a test owns one and passes it by reference; two sessions never
// share anything, so two programs can draw side by side.
#pragma once

#include "core/teaching_view.h"

namespace tessaly {

struct ProgramDescriptor;  // programs/descriptor.h: the tables, model and driver in use

constexpr int kStoredPoints = 501;
constexpr int kEditableValues = 5;     // the rows of "DLG1" and "DLG2"
constexpr int kGraphConstantRows = 4;  // one per analysis with its own range; row 0 the rest
static_assert(kSavedConstants == kEditableValues, "an exercise saves every circuit constant");

// The element values that a model reads.
struct Components {
  double component_r = 0.0;  // resistance [ohm]
  double component_l = 0.0;  // inductance [H]
  double component_c = 0.0;  // capacitance [F]
};

// The values of the last data file read, kept apart from the arrays that every sweep
// overwrites, so that a saved curve can be compared with the graph on screen.
struct ReferenceCurve {
  double values_1[kStoredPoints] = {};
  double values_2[kStoredPoints] = {};
  int count_1 = 0;  // entries the file held; the rest is no part of the curve
  int count_2 = 0;
  bool shown = false;  // set by the data command, cleared by Clear and by every read
};

struct Session {
  const ProgramDescriptor* program = nullptr;

  int circuit_index = 1;
  int analysis_index = 1;
  double step_count = 0.0;
  double step_count2 = 0.0;
  int clear_before_draw = 1;
  // Set by Clear: while 1, every command repaint erases whatever clear_before_draw says.
  int clear_pending = 0;
  double display_magnification = 1.5;
  double print_magnification = 1.2;

  // Model inputs and the kind being drawn, written by the drivers.
  Components components;
  int current_kind = 0;

  // The values the dialogs edit: base component values and graph constants (a row per
  // analysis where the program keeps them apart). The program fills them at start-up.
  double circuit_constants[kEditableValues] = {};
  double graph_constants[kGraphConstantRows][kEditableValues] = {};

  // Plotted quantities of the last curve; the data file's two blocks.
  double plot_values_1[kStoredPoints] = {};
  double plot_values_2[kStoredPoints] = {};

  ReferenceCurve reference_curve;

  // The marker, the phasor diagram and the exercise drawn over the graph.
  TeachingView teaching;

  // Logical pixels per inch of the window at its last pass; printing divides by them.
  int screen_dpi_x = 0;
  int screen_dpi_y = 0;
};

// The magnification a pass draws with. The dialogs store any number; drawing holds it between
// 0.1 and 10 (a NaN draws at 1), since a graph a hundredth of the window's size shows nothing
// and an infinite one would carry every device coordinate and font size out of range.
constexpr double kLeastMagnification = 0.1;
constexpr double kGreatestMagnification = 10.0;
double drawn_magnification(double stored);

}  // namespace tessaly

// The analysis state shared by the shell, the drivers, the models and the sweep. Process-wide
// on purpose: every change ends in a repaint and the repaint reads it all afresh.
#pragma once

namespace tessaly {

constexpr int kStoredPoints = 501;

extern int circuit_index;
extern int analysis_index;
extern double step_count;
extern double step_count2;
extern int clear_before_draw;
// Set by Clear: while 1, every command repaint erases whatever clear_before_draw says.
extern int clear_pending;
extern double display_magnification;
extern double print_magnification;

// Model inputs, written by the drivers.
extern double component_r;
extern double component_l;
extern double component_c;
extern int current_kind;

// Plotted quantities of the last curve; the data file's two blocks.
extern double plot_values_1[kStoredPoints];
extern double plot_values_2[kStoredPoints];

// The magnification a pass draws with. The dialogs store any number; drawing holds it between
// 0.1 and 10 (a NaN draws at 1), since a graph a hundredth of the window's size shows nothing
// and an infinite one would carry every device coordinate and font size out of range.
constexpr double kLeastMagnification = 0.1;
constexpr double kGreatestMagnification = 10.0;
double drawn_magnification(double stored);

// Restores the start-up values of everything above.
void reset_analysis_state();

}  // namespace tessaly

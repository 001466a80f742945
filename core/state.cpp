#include "core/state.h"

#include <algorithm>
#include <cmath>

namespace tessaly {

int circuit_index = 1;
int analysis_index = 1;
double step_count = 0.0;
double step_count2 = 0.0;
int clear_before_draw = 1;
int clear_pending = 0;
double display_magnification = 1.5;
double print_magnification = 1.2;

double component_r = 0.0;
double component_l = 0.0;
double component_c = 0.0;
int current_kind = 0;

double plot_values_1[kStoredPoints] = {};
double plot_values_2[kStoredPoints] = {};

double drawn_magnification(double stored) {
  if (std::isnan(stored)) return 1.0;
  return std::clamp(stored, kLeastMagnification, kGreatestMagnification);
}

void reset_analysis_state() {
  circuit_index = 1;
  analysis_index = 1;
  step_count = 0.0;
  step_count2 = 0.0;
  clear_before_draw = 1;
  display_magnification = 1.5;
  print_magnification = 1.2;
  component_r = component_l = component_c = 0.0;
  current_kind = 0;
  std::fill(plot_values_1, plot_values_1 + kStoredPoints, 0.0);
  std::fill(plot_values_2, plot_values_2 + kStoredPoints, 0.0);
}

}  // namespace tessaly

#include "graph/frame.h"

#include "complex/complex.h"
#include "graph/labels.h"
#include "graph/readout.h"
#include "graph/setup.h"
#include "graph/sweep.h"

namespace tessaly::graph {

GraphFrame main_frame{};
GraphFrame upper_frame{};
GraphFrame lower_frame{};
GraphFrame channel_frames[kChannelFrames]{};
GraphSettings graph_settings{};

void reset_graph_state() {
  main_frame = GraphFrame{};
  upper_frame = GraphFrame{};
  lower_frame = GraphFrame{};
  for (GraphFrame& frame : channel_frames) frame = GraphFrame{};
  graph_settings = GraphSettings{};
  reset_axis_labels();
  legend_rows = 0;
  frame_setup_count = 0;
  sweep_frequency = 0.0;
  sweep_step = 0.0;
  point_index = 0;
  phase_degrees = 0.0;
  previous_value = 0.0;
  current_value = 0.0;
  locus_start = Complex{};
  reset_readout();
}

}  // namespace tessaly::graph

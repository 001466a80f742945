// Everything the graph engine keeps while it draws: the frames, the record through which a
// driver describes its graph, the writable axis texts, the legend counters, and what a pass
// leaves for the read-out and the CSV writer (its curves and its last sweep). The sweep's own
// running values stay inside the sweep. One per window (or renderer,
// or test), created with the surface it draws on and passed by reference.
#pragma once

#include "complex/complex.h"
#include "core/catalog.h"
#include "core/session.h"
#include "graph/corner_nudge.h"
#include "graph/frame.h"
#include "graph/legend_transcript.h"
#include "surface/surface.h"

namespace tessaly::graph {

constexpr int kAxisLabelEntries = 20;
// Curves known per pass; a pass draws at most five, the rest are drawn and not known.
constexpr int kRecordedCurves = 8;

// A circuit model: the impedance of `circuit` made of these components at s = (0, 2 pi f).
using ModelFn = Complex (*)(const Components& components, int circuit, Complex s);

// Everything a model reads for one curve, and the sweep it was drawn over.
struct SweptCurve {
  int kind;
  ModelFn model;
  bool reciprocal;
  int colour;
  int circuit;
  Components components;
  double sweep_start, sweep_stop;
  int point_count;
};

// A sweep's frequencies, as it stepped them: points 0 to points - 1 from start, by step (a
// ratio where logarithmic, an increment where linear). No sweep: points 0.
struct SweepSummary {
  bool logarithmic = false;
  double start = 0.0;
  double step = 0.0;
  int points = 0;
};

// What the read-out knows of the last graph: its curves, and the frames as they were drawn
// (the live frames change with the next set-up, which may come long before the pointer moves).
struct ReadoutMemory {
  SweptCurve curves[kRecordedCurves] = {};
  int curve_count = 0;
  GraphFrame drawn_main{};
  GraphFrame drawn_upper{};
  GraphFrame drawn_lower{};
};

struct Context {
  // The nudges of the program tag at a frame's corner are the program's (null: none).
  explicit Context(surface::Surface& target, const CornerNudgeTable* nudges = nullptr);
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  surface::Surface& surface;
  const CornerNudgeTable* corner_nudges;

  GraphFrame main_frame{};
  GraphFrame upper_frame{};
  GraphFrame lower_frame{};
  GraphFrame channel_frames[kChannelFrames]{};
  GraphSettings graph_settings{};

  // Pairs of axis texts; a frame takes one index, the lower of two stacked frames the next.
  // Entry 0 and the y text of entry 18 take caller texts for some kinds.
  char axis_label_x_table[kAxisLabelEntries][kTableTextCapacity];
  char axis_label_y_table[kAxisLabelEntries][kTableTextCapacity];

  // Legend rows drawn since the last reset; 0 makes the next legend call draw its headings.
  int legend_rows = 0;
  // Curves drawn since the last reset; 0 makes the next sweep set up the graph first.
  int frame_setup_count = 0;
  // A question of an exercise: the sweeps set up the frames and record their curves but draw
  // none, and the drivers leave out what would give the answer away (Q, f0).
  bool question_only = false;
  // An exercise draws component values of its own: a mark placed for the program's own values
  // (Ombra's fixed "fo") would point at the wrong frequency.
  bool fixed_marks_hidden = false;
  // The language the texts are drawn in; a front-end chooses it.
  const text::Language* language = &text::source_language();
  // Where the legend's values go as text as well (null: nowhere), for the web page's text
  // alternative of the picture.
  LegendTranscript* legend_transcript = nullptr;

  // What the last sweep of the pass did: enough to step its frequencies again.
  SweepSummary last_sweep{};

  ReadoutMemory readout;
};

// A text of the graph in the context's language.
inline const char* localized(const Context& g, const char* source) {
  return text::localized(*g.language, source);
}

}  // namespace tessaly::graph

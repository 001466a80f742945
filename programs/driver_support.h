// What the three graph drivers share: table look-ups by an index that the digit keys may push
// past a table's end, the row of graph constants in force, the bound on the point count, and the
// texts every graph carries.
#pragma once

#include <cstddef>

#include "core/session.h"
#include "core/text.h"
#include "graph/frame.h"

namespace tessaly {

// The graph constants of the analysis selected: each of the program's `rows` analyses with a
// row keeps its own, and row 0 stands for the numbers that have none.
inline double* analysis_row(Session& session, int rows) {
  const bool own_row = session.analysis_index > 0 && session.analysis_index < rows;
  return session.graph_constants[own_row ? session.analysis_index : 0];
}

// Fills the session's editable tables from a program's start-up values.
template <std::size_t Rows>
void copy_tables(Session& session, const double (&circuit)[kEditableValues],
                 const double (&graph)[Rows][kEditableValues]) {
  static_assert(Rows <= kGraphConstantRows, "a session keeps at most this many rows");
  for (int i = 0; i < kEditableValues; ++i) session.circuit_constants[i] = circuit[i];
  for (std::size_t row = 0; row < Rows; ++row) {
    for (int i = 0; i < kEditableValues; ++i) session.graph_constants[row][i] = graph[row][i];
  }
}

// Entry `index` of a program table, or `missing` where the table has no such entry.
template <typename T, std::size_t N>
T table_entry(const T (&table)[N], int index, T missing) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? table[index] : missing;
}

// The dialog's number of calculation points as the sweep's interval count, truncated. The
// dialog stores any number; the sweep takes 1 to 500 intervals, as many as the data file
// holds, so that a typed 1e9 cannot keep the window busy for minutes, and 0 or a NaN still
// draws a line.
inline int interval_count(double points) {
  constexpr int kMostIntervals = kStoredPoints - 1;
  if (!(points >= 1.0)) return 1;
  if (points >= kMostIntervals) return kMostIntervals;
  return static_cast<int>(points);
}

// The sweep of a row of graph constants (start, stop [Hz], y min, y max, points) and the phase
// axis every stacked graph shares; the y range is the driver's, since it depends on the kind.
inline void set_sweep(graph::GraphSettings& settings, const double* row) {
  settings.point_count = interval_count(row[4]);
  settings.sweep_start = row[0];
  settings.sweep_stop = row[1];
  settings.phase_min = -90.0;
  settings.phase_max = 90.0;
}

// A base value stepped by half of itself per step. A step down to zero or below would leave
// no element: the base value stands in.
inline double stepped(double base, double steps) {
  const double value = (0.5 * steps + 1.0) * base;
  return value <= 0.0 ? base : value;
}

// The circuit name followed directly by the analysis name, and the program's tag.
inline void set_graph_texts(graph::GraphSettings& settings, const char* circuit,
                            const char* analysis, const char* tag) {
  copy_text(settings.tag, sizeof settings.tag, tag);
  copy_text(settings.title, sizeof settings.title, circuit);
  append_text(settings.title, sizeof settings.title, analysis);
}

}  // namespace tessaly

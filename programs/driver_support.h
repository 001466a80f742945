// What the three graph drivers share: table look-ups by an index that the digit keys may push
// past a table's end, the row of graph constants in force, the bound on the point count, and the
// texts every graph carries.
#pragma once

#include <array>
#include <cstddef>

#include "core/state.h"
#include "core/text.h"
#include "graph/frame.h"

namespace tessaly {

// The graph constants of the analysis selected: each analysis with a row keeps its own, and
// row 0 stands for the numbers that have none.
template <std::size_t Rows>
double* analysis_row(std::array<std::array<double, 5>, Rows>& rows) {
  const bool own_row = analysis_index > 0 && analysis_index < static_cast<int>(Rows);
  return rows[own_row ? analysis_index : 0].data();
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

// The circuit name followed directly by the analysis name, and the program's tag.
inline void set_graph_texts(graph::GraphSettings& settings, const char* circuit,
                            const char* analysis, const char* tag) {
  copy_text(settings.tag, sizeof settings.tag, tag);
  copy_text(settings.title, sizeof settings.title, circuit);
  append_text(settings.title, sizeof settings.title, analysis);
}

}  // namespace tessaly

#include "programs/reference.h"

#include <algorithm>
#include <cstring>

#include "graph/frame.h"
#include "graph/reference_plot.h"

namespace tessaly {

ReferenceCurve reference_curve{};

namespace {

int entries_in(std::size_t bytes) {
  return static_cast<int>(std::min<std::size_t>(bytes / sizeof(double), kStoredPoints));
}

}  // namespace

FileResult load_data_file(const std::string& path) {
  const FileResult result = read_data_file(path);
  keep_reference(result.ok() ? result.bytes_read : 0);
  return result;
}

void keep_reference(std::size_t bytes_read) {
  std::memcpy(reference_curve.values_1, plot_values_1, sizeof plot_values_1);
  std::memcpy(reference_curve.values_2, plot_values_2, sizeof plot_values_2);
  reference_curve.count_1 = entries_in(bytes_read);
  reference_curve.count_2 =
      entries_in(bytes_read > kDataBlockBytes ? bytes_read - kDataBlockBytes : 0);
  reference_curve.shown = false;
}

void show_reference() {
  reference_curve.shown = reference_curve.count_1 > 0;
}

void hide_reference() {
  reference_curve.shown = false;
}

void draw_shown_reference() {
  if (!reference_curve.shown) return;
  const graph::StoredCurve curve = {reference_curve.values_1, reference_curve.count_1,
                                    reference_curve.values_2, reference_curve.count_2};
  graph::draw_stored_curve(current_kind, graph::graph_settings, curve);
}

void reset_reference() {
  reference_curve = ReferenceCurve{};
}

}  // namespace tessaly

#include "core/reference_curve.h"

#include <algorithm>
#include <cstring>

namespace tessaly {

namespace {

int entries_in(std::size_t bytes) {
  return static_cast<int>(std::min<std::size_t>(bytes / sizeof(double), kStoredPoints));
}

}  // namespace

FileResult load_data_file(Session& session, const std::string& path) {
  const FileResult result = read_data_file(session, path);
  keep_reference(session, result.ok() ? result.bytes_read : 0);
  return result;
}

void keep_reference(Session& session, std::size_t bytes_read) {
  ReferenceCurve& reference = session.reference_curve;
  std::memcpy(reference.values_1, session.plot_values_1, sizeof session.plot_values_1);
  std::memcpy(reference.values_2, session.plot_values_2, sizeof session.plot_values_2);
  reference.count_1 = entries_in(bytes_read);
  reference.count_2 = entries_in(bytes_read > kDataBlockBytes ? bytes_read - kDataBlockBytes : 0);
  reference.shown = false;
}

void show_reference(Session& session) {
  session.reference_curve.shown = session.reference_curve.count_1 > 0;
}

void hide_reference(Session& session) {
  session.reference_curve.shown = false;
}

}  // namespace tessaly

// The stored points of the last curve as CSV, each with the frequency that the sweep computed
// for it.
#pragma once

#include <string>

#include "tools/replay.h"

namespace tessaly::tools {

// What the last sweep of a replay did: enough to step its frequencies again.
struct SweepRecord {
  bool logarithmic = false;
  double start = 0.0;
  double step = 0.0;  // ratio or increment, as the sweep computed it
  int points = 0;     // points swept; those past the stored arrays have no values
};

// Draws nothing and notes the sweep of every pass that swept one.
class SweepWatchingTarget final : public PassTarget {
 public:
  surface::Backend& begin_pass(HeadlessWindow& window, int index, bool erase) override;
  void end_pass(const HeadlessWindow& window, int index) override;
  const SweepRecord& last_sweep() const { return last_; }

 private:
  surface::NullBackend discard_;
  SweepRecord last_;
};

// "point,frequency_hz,value_1,value_2" and one row per point the session stored, numbers as
// "%.17g".
std::string curve_csv(const Session& session, const SweepRecord& sweep);

}  // namespace tessaly::tools

// Every program through its whole reachable state: circuits and analyses 1 to 9 (digit keys
// and menus), step counters -20 to 20 (both of them in Velto, the only driver that reads the
// second), at the display magnifications of the keys a, b and c. Each pass must finish, sweep
// its full curves and close its graph; the passes draw into a backend that only counts.
#include <gtest/gtest.h>

#include <string>

#include "core/session.h"
#include "graph/context.h"
#include "graph/labels.h"
#include "graph/sweep.h"
#include "programs/descriptor.h"
#include "programs/passes.h"
#include "surface/backend.h"
#include "surface/surface.h"

namespace tessaly {
namespace {

class CountingBackend final : public surface::Backend {
 public:
  int alerts = 0;
  int errors = 0;

  void logical_screen(int, int, double) override {}
  void line(int, int, int, int, int, int, int, int) override {}
  void point(int, int, int, int, int) override {}
  void fill(int, int, int, int, int) override {}
  void box(int, int, int, int, int, int, int) override {}
  void ellipse(int, int, int, int, int, int, int) override {}
  void flood(int, int, int, int) override {}
  void text(int, int, int, int, double, double, const char*) override {}
  void clip(int, int, int, int) override {}
  void unclip() override {}
  void alert() override { ++alerts; }
  void error(int) override { ++errors; }
  void create_save_bitmaps(int, int, int) override {}
  void delete_save_bitmaps() override {}
  void save_area(int, int, int) override {}
  void restore_area(int, int, int, int) override {}
  void clear_screen(int, int, surface::Rgb) override {}
};

struct Shard {
  const ProgramDescriptor& (*program)();
  int circuit;
  int intervals;  // of every sweep with the default constants; 0 where no curve is drawn
};

std::string shard_name(const testing::TestParamInfo<Shard>& info) {
  return std::string(info.param.program().id) + "_circuit_" + std::to_string(info.param.circuit);
}

std::vector<Shard> all_shards() {
  std::vector<Shard> shards;
  for (int circuit = 1; circuit <= 9; ++circuit) {
    shards.push_back({ombra_program, circuit, 500});
    // Velto has curves for its four circuits only; beyond them it draws the frame alone.
    shards.push_back({velto_program, circuit, circuit <= 4 ? 400 : 0});
    shards.push_back({quirn_program, circuit, 400});
  }
  return shards;
}

class StateSpace : public testing::TestWithParam<Shard> {
 protected:
  void SetUp() override {
    session = start_session(GetParam().program());
    g.corner_nudges = GetParam().program().corner_nudges;
  }

  surface::Surface surface;
  graph::Context g{surface};
  Session session;
};

constexpr double kKeyMagnifications[] = {1.0, 1.2, 1.5};
constexpr int kLowestStep = -20;
constexpr int kHighestStep = 20;

TEST_P(StateSpace, EveryPassSweepsItsCurvesAndEndsTheGraph) {
  const Shard& shard = GetParam();
  const bool second_counter = &shard.program() == &velto_program();
  CountingBackend backend;
  int passes = 0;
  session.circuit_index = shard.circuit;
  for (int analysis = 1; analysis <= 9; ++analysis) {
    for (int first = kLowestStep; first <= kHighestStep; ++first) {
      const int second_low = second_counter ? kLowestStep : 0;
      const int second_high = second_counter ? kHighestStep : 0;
      for (int second = second_low; second <= second_high; ++second) {
        for (double magnification : kKeyMagnifications) {
          session.analysis_index = analysis;
          session.step_count = first;
          session.step_count2 = second;
          session.display_magnification = magnification;
          window_pass(session, g, backend, 96, 96);
          ++passes;
          const std::string where = "analysis " + std::to_string(analysis) + ", steps " +
                                    std::to_string(first) + " and " + std::to_string(second);
          ASSERT_EQ(backend.alerts, passes) << where << ": one alert per pass, at its end";
          ASSERT_EQ(backend.errors, 0) << where << ": the fixed axes always set up";
          ASSERT_EQ(g.frame_setup_count, 0) << where;
          ASSERT_EQ(g.legend_rows, 0) << where;
          ASSERT_EQ(session.circuit_index, shard.circuit) << where << ": the driver puts it back";
          ASSERT_EQ(session.analysis_index, analysis) << where;
          // The last sweep ran to its stop frequency: the point count, one more by rounding.
          ASSERT_GE(g.last_sweep.points, shard.intervals) << where;
          ASSERT_LE(g.last_sweep.points, shard.intervals + (shard.intervals > 0)) << where;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, StateSpace, testing::ValuesIn(all_shards()), shard_name);

}  // namespace
}  // namespace tessaly

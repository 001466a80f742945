#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/surface.h"
#include "surface_fixture.h"

namespace tessaly::surface {
namespace {

using Lines = std::vector<std::string>;

class Pattern : public testing::SurfaceTest {
 protected:
  // "X Y" of every dot in the trace.
  std::vector<std::string> dots() const {
    std::vector<std::string> found;
    for (const std::string& line : trace()) {
      int x, y, colour, width, mode;
      EXPECT_EQ(std::sscanf(line.c_str(), "point %d %d %d %d %d", &x, &y, &colour, &width, &mode),
                5)
          << line;
      found.push_back(std::to_string(x) + " " + std::to_string(y));
    }
    return found;
  }
};

TEST_F(Pattern, LineBitsStartAtBit15ForEveryLine) {
  surface_.pattern_line(0, 0, 20, 5, 4, 6, 0xFFFF);
  const Lines solid = trace();
  ASSERT_EQ(solid.size(), 21u);
  EXPECT_EQ(solid.front(), "point 0 0 4 6 13");
  EXPECT_EQ(solid[3], "point 3 0 4 6 13");
  EXPECT_EQ(solid[4], "point 4 1 4 6 13");
  EXPECT_EQ(solid[13], "point 13 3 4 6 13");
  EXPECT_EQ(solid.back(), "point 20 5 4 6 13");

  clear();
  surface_.pattern_line(0, 0, 20, 5, 0, 0, 0xAAAA);
  EXPECT_EQ(dots(), (Lines{"0 0", "2 0", "4 1", "6 1", "8 2", "10 2", "12 3", "14 3", "16 4",
                           "18 4", "20 5"}));

  clear();
  surface_.pattern_line(0, 0, 20, 5, 0, 0, 0xFF00);
  EXPECT_EQ(dots(), (Lines{"0 0", "1 0", "2 0", "3 0", "4 1", "5 1", "6 1", "7 1", "16 4", "17 4",
                           "18 4", "19 4", "20 5"}));

  // A second line starts over at bit 15, wherever the first one stopped.
  clear();
  surface_.pattern_line(0, 0, 2, 0, 0, 0, 0xA000);
  surface_.pattern_line(10, 0, 12, 0, 0, 0, 0xA000);
  EXPECT_EQ(dots(), (Lines{"0 0", "2 0", "10 0", "12 0"}));
}

TEST_F(Pattern, LineStepsAlongTheLongerAxisAndTruncates) {
  surface_.pattern_line(0, 0, -3, 7, 0, 0, 0xFFFF);
  EXPECT_EQ(dots(), (Lines{"0 0", "0 1", "0 2", "-1 3", "-1 4", "-2 5", "-2 6", "-3 7"}));

  // 1 / 49 x 49 lies just below 1 in double precision.
  clear();
  surface_.pattern_line(0, 0, 49, 0, 0, 0, 0xFFFF);
  const Lines d = dots();
  ASSERT_EQ(d.size(), 50u);
  EXPECT_EQ(d[1], "0 0");
  EXPECT_EQ(d[49], "49 0");
}

TEST_F(Pattern, LineWithBothEndsEqualIsItsFirstDot) {
  surface_.pattern_line(5, 6, 5, 6, 2, 1, 0x8000);
  surface_.pattern_line(7, 8, 7, 8, 2, 1, 0x7FFF);
  EXPECT_EQ(trace(), (Lines{"point 5 6 2 1 13"}));
}

TEST_F(Pattern, CurveDotsSegmentStartsWithARunningPhase) {
  surface_.pattern_curve_point(10, 10, 11, 10, 2, 3, 0xFFFF, 0);
  EXPECT_EQ(trace(), (Lines{"point 10 10 2 3 13"}));

  // Phase 1 now: with bit 15 alone the next fifteen segments stay dark, the one after is dotted.
  clear();
  for (int x = 11; x < 28; ++x) surface_.pattern_curve_point(x, 10, x + 1, 10, 2, 3, 0x8000, 0);
  EXPECT_EQ(trace(), (Lines{"point 26 10 2 3 13"}));

  // Slot 1 keeps its own phase; slots beyond 1 draw nothing.
  clear();
  surface_.pattern_curve_point(0, 0, 5, 5, 1, 0, 0x8000, 1);
  surface_.pattern_curve_point(0, 0, 5, 5, 1, 0, 0x8000, 2);
  surface_.pattern_curve_point(0, 0, 5, 5, 1, 0, 0x8000, -1);
  EXPECT_EQ(trace(), (Lines{"point 0 0 1 0 13"}));
}

TEST_F(Pattern, CurveSkipsSegmentsEndingOnTheStoredPoint) {
  // The first call stores its start, so a first segment of no length draws nothing.
  surface_.pattern_curve_point(3, 3, 3, 3, 0, 0, 0xFFFF, 0);
  EXPECT_TRUE(trace().empty());
  // The stored point is the previous segment's start: going straight back is skipped too,
  // and the phase does not move.
  surface_.pattern_curve_point(3, 3, 4, 3, 0, 0, 0xAAAA, 0);
  surface_.pattern_curve_point(4, 3, 3, 3, 0, 0, 0xAAAA, 0);
  surface_.pattern_curve_point(4, 3, 5, 3, 0, 0, 0xAAAA, 0);
  surface_.pattern_curve_point(5, 3, 6, 3, 0, 0, 0xAAAA, 0);
  EXPECT_EQ(dots(), (Lines{"3 3", "5 3"}));
}

TEST_F(Pattern, CurvePhaseBelongsToItsSurface) {
  surface_.pattern_curve_point(0, 0, 1, 0, 0, 0, 0x8000, 0);
  surface_.pattern_curve_point(1, 0, 2, 0, 0, 0, 0x8000, 0);
  Surface other;
  const TargetBinding binding(other, recorder_);
  clear();
  other.pattern_curve_point(40, 0, 41, 0, 0, 0, 0x8000, 0);
  EXPECT_EQ(trace(), (Lines{"point 40 0 0 0 13"}));
}

}  // namespace
}  // namespace tessaly::surface

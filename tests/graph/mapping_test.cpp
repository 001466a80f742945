#include "graph/mapping.h"

#include <cmath>
#include <limits>

#include "graph/plotting.h"
#include "graph_fixture.h"

namespace tessaly::graph {
namespace {

using testing::GraphTest;

GraphFrame log_x_frame() {
  GraphFrame f{};
  f.x_min = 10.0;
  f.x_max = 100000.0;
  f.x_scale = 3;
  f.left = 64;
  f.width = 448;
  f.y_min = -90.0;
  f.y_max = 90.0;
  f.y_scale = 2;
  f.bottom = 352;
  f.height = 156;
  return f;
}

TEST(Mapping, WorldToScreen) {
  const GraphFrame f = log_x_frame();
  EXPECT_EQ(map_x(f, 10.0), 64);
  EXPECT_EQ(map_x(f, 100000.0), 512);
  EXPECT_EQ(map_x(f, 1000.0), 288);
  EXPECT_EQ(map_y(f, -90.0), 352);
  EXPECT_EQ(map_y(f, 90.0), 196);
  EXPECT_EQ(map_y(f, 0.0), 274);

  // Halfway between two units: x rounds up, y rounds toward the top of the screen.
  GraphFrame half{};
  half.x_max = 1.0;
  half.y_max = 1.0;
  half.width = 1;
  half.height = 1;
  half.bottom = 100;
  EXPECT_EQ(map_x(half, 0.5), 1);
  EXPECT_EQ(map_y(half, 0.5), 99);
  EXPECT_EQ(map_y_linear(half, 0.5), 100);  // floor(99.5 + 0.5): the whole expression rounds
}

TEST(Mapping, ScreenToWorld) {
  GraphFrame f = log_x_frame();
  EXPECT_DOUBLE_EQ(world_x(f, 176.0), 100.0);
  EXPECT_DOUBLE_EQ(world_y(f, 313.0), -45.0);
  // Between screen units and back: the unrounded positions are the exact inverse.
  EXPECT_DOUBLE_EQ(unrounded_x(f, world_x(f, 100.25)), 100.25);
  EXPECT_EQ(map_x(f, world_x(f, 300.6)), 301);
  f.y_scale = 3;
  f.y_min = 0.1;
  f.y_max = 1000.0;
  EXPECT_DOUBLE_EQ(world_y(f, 313.0), 1.0);
  EXPECT_DOUBLE_EQ(unrounded_y(f, 10.0), 274.0);
}

TEST(Mapping, ValuesWithoutAPositionLandFarOffScreen) {
  const GraphFrame f = log_x_frame();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(map_x(f, 0.0), 64 - kOffScreen);   // log10(0) is -inf
  EXPECT_EQ(map_x(f, -5.0), 64 + kOffScreen);  // log10 of a negative value is NaN
  EXPECT_EQ(map_x(f, nan), 64 + kOffScreen);
  EXPECT_EQ(map_y(f, inf), 352 - kOffScreen);
  EXPECT_EQ(map_y(f, -1e300), 352 + kOffScreen);
  EXPECT_EQ(round_to_screen(3e9), kOffScreen);
  EXPECT_EQ(trunc_to_screen(-3e9), -kOffScreen);
  EXPECT_EQ(trunc_to_screen(-7.9), -7);

  GraphFrame empty = f;
  empty.y_scale = 1;
  empty.y_min = empty.y_max = 5.0;
  EXPECT_EQ(map_y(empty, 5.0), 352 - kOffScreen);  // 0 / 0
}

class Plotting : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    frame_ = log_x_frame();
  }
  GraphFrame frame_;
};

TEST_F(Plotting, SamplesMoveThenDraw) {
  frame_.pen_width = 1;
  plot_sample(g, frame_, 10.0, 10.0, 0.0, 4, 1);
  plot_sample(g, frame_, 10.0, 1000.0, 90.0, 4, 1);
  const std::vector<std::string> expected = {
      "point 64 274 4 1 13",
      "line 64 274 64 274 4 1 0 13",
      "line 64 274 288 196 4 1 0 13",
  };
  EXPECT_EQ(trace(), expected);
  EXPECT_EQ(frame_.pen_x[1], 288);
  EXPECT_EQ(frame_.pen_y[1], 196);
}

TEST_F(Plotting, TwoSlotsNeverJoin) {
  plot_sample(g, frame_, 10.0, 10.0, 0.0, 1, 0);
  plot_sample(g, frame_, 100.0, 100.0, 90.0, 2, 1);
  plot_sample(g, frame_, 10.0, 1000.0, 0.0, 1, 0);
  plot_sample(g, frame_, 100.0, 10000.0, 90.0, 2, 1);
  EXPECT_TRUE(has("line 64 274 288 274 1 0 0 13"));
  EXPECT_TRUE(has("line 176 196 400 196 2 0 0 13"));
  EXPECT_EQ(count("line"), 4);
}

TEST_F(Plotting, PenStyles) {
  frame_.pen_style = 5;  // segments suppressed, the first point still shows
  plot_sample(g, frame_, 10.0, 10.0, 0.0, 4, 0);
  plot_sample(g, frame_, 10.0, 100.0, 0.0, 4, 0);
  EXPECT_EQ(trace(), std::vector<std::string>{"point 64 274 4 0 13"});

  clear();
  frame_.pen_style = 0;
  surface.output_target = 1;  // printing: 1.2 x 5.0 replaces the width
  surface.print_magnification = 1.2;
  draw_pen(g, frame_, 1000.0, 0.0, 4, 0);
  EXPECT_EQ(trace(), std::vector<std::string>{"line 176 274 288 274 4 6 0 13"});

  clear();
  frame_.pen_style = 4;  // patterned: only segment starts are dotted, 1.2 x 8.0 wide
  frame_.dash_mask = 0;
  draw_pen(g, frame_, 10000.0, 0.0, 4, 0);
  EXPECT_EQ(trace(), std::vector<std::string>{"point 288 274 4 9 13"});

  clear();
  surface.output_target = 0;
  frame_.pen_width = 1;
  circle_mark(g, frame_, 1000.0, 0.0, 3, 2);
  EXPECT_EQ(trace(), std::vector<std::string>{"ellipse 288 274 3 3 2 1 4"});
}

TEST_F(Plotting, PairSegmentsStartAtTheFirstPoint) {
  GraphFrame f{};
  f.x_min = -10.0;
  f.x_max = 10.0;
  f.y_min = -10.0;
  f.y_max = 10.0;
  f.width = 20;
  f.height = 20;
  f.bottom = 20;
  plot_pair_segment(g, f, 1.0, 2.0, 1.0, 2.0, 5, 0);
  plot_pair_segment(g, f, 1.0, 2.0, 3.0, -4.0, 5, 0);
  const std::vector<std::string> expected = {
      "point 11 8 5 0 13",
      "line 11 8 11 8 5 0 0 13",
      "line 11 8 13 14 5 0 0 13",
  };
  EXPECT_EQ(trace(), expected);
}

}  // namespace
}  // namespace tessaly::graph

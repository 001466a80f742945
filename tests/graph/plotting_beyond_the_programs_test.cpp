#include "graph/plotting_beyond_the_programs.h"

#include "graph_fixture.h"

namespace tessaly::graph {
namespace {

class PointPlotter : public testing::GraphTest {
 protected:
  // World 0..10 on both axes over a 100 by 100 square at the screen origin.
  static GraphFrame square() {
    GraphFrame f{};
    f.x_max = 10.0;
    f.y_max = 10.0;
    f.width = 100;
    f.height = 100;
    f.bottom = 100;
    return f;
  }
};

TEST_F(PointPlotter, StylesOfTheGeneralPlotter) {
  GraphFrame f = square();
  f.plot_style = 2;  // steps: across at the old height, then up
  plot_general_point(g, f, 0.0, 5.0, 1, 0);
  plot_general_point(g, f, 1.0, 7.0, 1, 0);
  f.plot_style = 4;  // a bar from the value down to zero
  plot_general_point(g, f, 2.0, 3.0, 1, 0);
  const std::vector<std::string> expected = {
      "point 0 50 1 0 13",          "line 0 50 0 50 1 0 0 13",   "line 0 50 0 50 1 0 0 13",
      "line 0 50 10 50 1 0 0 13",   "line 10 50 10 30 1 0 0 13", "point 20 70 1 0 13",
      "line 20 70 20 100 1 0 0 13",
  };
  EXPECT_EQ(trace(), expected);
  EXPECT_EQ(f.prev_y[0], 7.0);
}

TEST_F(PointPlotter, MarkersTakeOverThePen) {
  GraphFrame f = square();
  f.pen_style = 2;
  f.pen_width = 3;
  f.marker_size = 2;
  f.marker = 0;
  marker(g, f, 5.0, 5.0, 4);  // the circle still uses the pen it found
  f.marker = 7;
  marker(g, f, 5.0, 5.0, 4);
  const std::vector<std::string> expected = {
      "ellipse 50 50 2 2 4 3 2",   "line 48 48 52 48 4 1 0 13", "line 52 48 52 52 4 1 0 13",
      "line 52 52 48 52 4 1 0 13", "line 48 52 48 48 4 1 0 13", "flood 50 50 4 4",
  };
  EXPECT_EQ(trace(), expected);
  EXPECT_EQ(f.pen_style, 0);
  EXPECT_EQ(f.pen_width, 1);
}

TEST_F(PointPlotter, KindPointsPickTheirFrame) {
  g.upper_frame = g.lower_frame = square();
  g.lower_frame.bottom = 200;
  g.graph_settings.sweep_start = 0.0;
  g.graph_settings.plot_target = 2;
  plot_kind_point(g, 120, 0.0, 10.0, 3, 0);
  const std::vector<std::string> expected = {
      "clip 0 100 100 200",
      "point 0 100 3 0 13",
      "line 0 100 0 100 3 0 0 13",
      "unclip",
  };
  EXPECT_EQ(trace(), expected);
  EXPECT_EQ(g.lower_frame.dash_mask, 0xAAAA);  // line attributes refreshed first

  clear();
  g.graph_settings.plot_target = 0;  // a stacked kind without a target frame plots nothing
  plot_kind_point(g, 120, 0.0, 10.0, 3, 0);
  EXPECT_TRUE(trace().empty());
}

}  // namespace
}  // namespace tessaly::graph

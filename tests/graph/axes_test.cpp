#include "graph/axes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <set>

#include "graph_fixture.h"

namespace tessaly::graph {
namespace {

class Axes : public testing::GraphTest {
 protected:
  // The upper frame of kind 119: |Z| 0.1 .. 1000 over 10 .. 100000 Hz, log-log.
  static GraphFrame upper() {
    GraphFrame f{};
    f.x_min = 10.0;
    f.x_max = 100000.0;
    f.y_min = 0.1;
    f.y_max = 1000.0;
    f.x_scale = 3;
    f.y_scale = 3;
    f.layout = 0;
    f.left = 64;
    f.bottom = 180;
    f.width = 448;
    f.height = 156;
    std::strcpy(f.x_label, "周波数 ［Ｈｚ］");
    std::strcpy(f.y_label, "｜Ｚ｜ ［Ω］");
    return f;
  }

  // A single frame of layout 1 with linear axes.
  static GraphFrame single(int x_scale, double x_min, double x_max, int y_scale, double y_min,
                           double y_max) {
    GraphFrame f{};
    f.x_min = x_min;
    f.x_max = x_max;
    f.y_min = y_min;
    f.y_max = y_max;
    f.x_scale = x_scale;
    f.y_scale = y_scale;
    f.layout = 1;
    f.left = 64;
    f.bottom = 328;
    f.width = 448;
    f.height = 304;
    return f;
  }
};

TEST_F(Axes, LogLogFrameOfKind119) {
  GraphFrame f = upper();
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  const std::vector<std::string> x_decades = {
      "line 64 180 64 24 0 1 0 13",   "line 176 180 176 24 0 1 0 13",
      "line 288 180 288 24 0 1 0 13", "line 400 180 400 24 0 1 0 13",
      "line 512 180 512 24 0 1 0 13",
  };
  const std::vector<std::string> y_decades = {
      "line 64 180 512 180 0 1 0 13", "line 64 141 512 141 0 1 0 13",
      "line 64 102 512 102 0 1 0 13", "line 64 63 512 63 0 1 0 13",
      "line 64 24 512 24 0 1 0 13",
  };
  std::vector<std::string> decades = x_decades;
  decades.insert(decades.end(), y_decades.begin(), y_decades.end());
  EXPECT_EQ(starting_with("line"), decades);

  const std::vector<std::string> numbers = {
      "text 56 180 0 0 0.9 0.9 10 ",   "text 168 180 0 0 0.9 0.9 100 ",
      "text 280 180 0 0 0.9 0.9 1k",   "text 392 180 0 0 0.9 0.9 10k",
      "text 504 180 0 0 0.9 0.9 100k", "text 28 167 0 0 0.9 0.9 0.1 ",
      "text 44 133 0 0 0.9 0.9 1 ",    "text 36 94 0 0 0.9 0.9 10 ",
      "text 28 55 0 0 0.9 0.9 100 ",   "text 44 21 0 0 0.9 0.9 1k",
  };
  std::vector<std::string> drawn_numbers;
  for (const std::string& line : starting_with("text")) {
    if (line.find(" 0.9 0.9 ") != std::string::npos) drawn_numbers.push_back(line);
  }
  EXPECT_EQ(drawn_numbers, numbers);

  // The lines at 2 to 9 are dotted 0x1111: the first dot is the fourth of each line. Vertical
  // ones run down from the top edge, horizontal ones from the left edge to the right edge.
  EXPECT_TRUE(has("point 97 27 0 0 13"));   // x = 64 + log10(2) x 112
  EXPECT_TRUE(has("point 170 27 0 0 13"));  // log10(9)
  EXPECT_TRUE(has("point 67 168 0 0 13"));  // y = 180 - log10(2) x 39
  EXPECT_TRUE(has("point 67 142 0 0 13"));
  EXPECT_FALSE(has("point 512 27 0 0 13"));  // none past the last decade

  // Layout 0: the x text inside the lower right corner on a white box, the y text rotated.
  EXPECT_TRUE(has("fill 398 162 504 178 7"));
  EXPECT_TRUE(has("text 398 162 0 0 1 1 周波数 ［Ｈｚ］"));
  EXPECT_TRUE(has("text 16 154 0 1 1 1 ｜Ｚ｜ ［Ω］"));
}

TEST_F(Axes, LogRangesWidenToWholeDecades) {
  GraphFrame f = upper();
  f.x_min = 15.0;
  f.x_max = 80000.0;
  f.y_min = 0.5;
  f.y_max = 2.0;
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  EXPECT_EQ(f.x_min, 10.0);
  EXPECT_EQ(f.x_max, 100000.0);
  EXPECT_EQ(f.y_min, 0.1);
  EXPECT_EQ(f.y_max, 10.0);
  EXPECT_TRUE(has("text 56 180 0 0 0.9 0.9 10 "));
  EXPECT_TRUE(has("text 504 180 0 0 0.9 0.9 100k"));
  EXPECT_TRUE(has("text 36 21 0 0 0.9 0.9 10 "));
}

// Dotted lines on the same row repeat the same dots: each row is dotted once per decade.
TEST_F(Axes, CrowdedDecadesDotEachRowOnce) {
  GraphFrame f = upper();
  f.y_min = 1e-10;
  f.y_max = 1e10;  // 20 decades in 156 units: 7.8 per decade, so 8 and 9 share a row
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  int rows = 0;
  double sy = f.bottom;
  for (int decade = 0; decade < 20; ++decade, sy -= 7.8) {
    std::set<int> distinct;
    for (int k = 2; k <= 9; ++k) distinct.insert(static_cast<int>(sy - std::log10(k) * 7.8));
    rows += static_cast<int>(distinct.size());
  }
  EXPECT_LT(rows, 20 * 8);
  EXPECT_EQ(count("point 67 "), rows) << "every dotted row has one dot three units in";
}

TEST_F(Axes, PhaseAxisEveryThirtyDegrees) {
  GraphFrame f = upper();
  f.bottom = 352;
  f.y_scale = 2;
  f.y_min = -90.0;
  f.y_max = 90.0;
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  std::vector<std::string> horizontal;
  for (const std::string& line : starting_with("line 64 ")) {
    if (line.find(" 512 ") != std::string::npos) horizontal.push_back(line);
  }
  const std::vector<std::string> expected = {
      "line 64 352 512 352 0 1 0 13", "line 64 326 512 326 0 0 2 13",
      "line 64 300 512 300 0 0 2 13", "line 64 274 512 274 0 1 0 13",
      "line 64 248 512 248 0 0 2 13", "line 64 222 512 222 0 0 2 13",
      "line 64 196 512 196 0 1 0 13",
  };
  EXPECT_EQ(horizontal, expected);
  EXPECT_TRUE(has("text 28 339 0 0 0.9 0.9 -90 "));
  EXPECT_TRUE(has("text 28 318 0 0 0.9 0.9 -60 "));
  EXPECT_TRUE(has("text 44 266 0 0 0.9 0.9 0 "));
  EXPECT_TRUE(has("text 36 193 0 0 0.9 0.9 90 "));

  // On paper the solid lines are 8 wide and the dotted ones dots of 6 in pattern 0xCCCC.
  clear();
  surface.output_target = 1;
  GraphFrame printed = upper();
  printed.bottom = 352;
  printed.y_scale = 2;
  printed.y_min = -90.0;
  printed.y_max = 90.0;
  draw_axes(g, printed, ' ', ' ');
  EXPECT_TRUE(has("line 64 352 512 352 0 8 0 13"));
  EXPECT_TRUE(has("point 64 326 0 6 13"));
  EXPECT_FALSE(has("point 66 326 0 6 13"));
}

TEST_F(Axes, AngleSteps) {
  const struct {
    double min, max, new_min, new_max, step;
  } cases[] = {
      {-90.0, 90.0, -90.0, 90.0, 30.0},        {-180.0, 180.0, -180.0, 180.0, 90.0},
      {-10.0, 100.0, -90.0, 180.0, 90.0},      {5.0, 60.0, 0.0, 90.0, 30.0},
      {-700.0, 300.0, -720.0, 360.0, 180.0},   {-700.0, 700.0, -720.0, 720.0, 360.0},
      {-1000.0, 900.0, -1080.0, 900.0, 180.0},
  };
  for (const auto& c : cases) {
    double min = c.min;
    double max = c.max;
    EXPECT_EQ(angle_step(min, max), c.step) << c.min << " .. " << c.max;
    EXPECT_EQ(min, c.new_min);
    EXPECT_EQ(max, c.new_max);
  }
}

TEST_F(Axes, AutomaticStep) {
  double min = 0.0;
  double max = 1200.0;
  EXPECT_EQ(automatic_step(min, max), 200.0);
  EXPECT_EQ(min, 0.0);
  EXPECT_EQ(max, 1200.0);
  min = -600.0;
  max = 600.0;
  EXPECT_EQ(automatic_step(min, max), 200.0);
  min = 3.0;
  max = 97.0;
  EXPECT_EQ(automatic_step(min, max), 20.0);
  EXPECT_EQ(min, 0.0);
  EXPECT_EQ(max, 100.0);

  GraphFrame f = single(1, 0.0, 1200.0, 4, -600.0, 600.0);
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  const std::vector<std::string> vertical = {
      "line 64 328 64 24 0 1 0 13",   "line 138 328 138 24 0 0 2 13",
      "line 213 328 213 24 0 0 2 13", "line 288 328 288 24 0 0 2 13",
      "line 362 328 362 24 0 0 2 13", "line 437 328 437 24 0 0 2 13",
      "line 512 328 512 24 0 1 0 13",
  };
  std::vector<std::string> drawn;
  for (const std::string& line : starting_with("line")) {
    if (line.find(" 328 ") != std::string::npos && line.find(" 24 0 ") != std::string::npos) {
      drawn.push_back(line);
    }
  }
  EXPECT_EQ(drawn, vertical);
  EXPECT_TRUE(has("text 504 328 0 0 0.9 0.9 1.2k"));
  // Scale type 4: only the zero line is solid, the others are dotted 0x5555 (the first dot of
  // each line is its second unit).
  EXPECT_EQ(starting_with("line 64 176 512 176"),
            std::vector<std::string>{"line 64 176 512 176 0 1 0 13"});
  EXPECT_TRUE(starting_with("line 64 328 512 328").empty());
  EXPECT_TRUE(has("point 65 328 0 0 13"));
  EXPECT_TRUE(has("point 65 24 0 0 13"));
  EXPECT_TRUE(has("text 20 315 0 0 0.9 0.9 -600 "));
  EXPECT_TRUE(has("text 28 21 0 0 0.9 0.9 600 "));
}

// A narrow range far from zero: the grid ends at the frame, not a relative margin beyond it.
TEST_F(Axes, NarrowRangesFarFromZeroEndAtTheirMaximum) {
  GraphFrame f = single(1, 1e6, 1e6 + 0.001, 1, 1e6, 1e6 + 0.001);
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  for (const std::string& line : starting_with("line ")) {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_EQ(std::sscanf(line.c_str(), "line %d %d %d %d", &x1, &y1, &x2, &y2), 4);
    EXPECT_LE(std::max(x1, x2), f.left + f.width) << line;
    EXPECT_GE(std::min(y1, y2), f.bottom - f.height) << line;
  }
  EXPECT_LE(count("text "), 2 * 9 + 2) << "a handful of numbers per axis and the labels";
}

TEST_F(Axes, ZeroLineIsFoundExactly) {
  GraphFrame f = single(1, -0.3, 0.3, 1, 1.0, 2.0);
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  const std::vector<std::string> numbers = {
      "text 56 328 0 0 0.9 0.9 -0.3 ",  "text 130 328 0 0 0.9 0.9 -0.2 ",
      "text 205 328 0 0 0.9 0.9 -0.1 ", "text 280 328 0 0 0.9 0.9 0 ",
      "text 354 328 0 0 0.9 0.9 0.1 ",  "text 429 328 0 0 0.9 0.9 0.2 ",
      "text 503 328 0 0 0.9 0.9 0.3 ",
  };
  for (const std::string& n : numbers) EXPECT_TRUE(has(n)) << n;
  EXPECT_TRUE(has("line 288 328 288 24 0 1 0 13"));  // zero: solid
  EXPECT_TRUE(has("line 362 328 362 24 0 0 2 13"));
  EXPECT_TRUE(has("line 511 328 511 24 0 1 0 13"));  // the widened maximum: solid
}

TEST_F(Axes, FixedDivisions) {
  GraphFrame f = single(0, 0.0, 5.0, 5, 0.0, 1.0);
  f.y_divisions = 4.0;
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  EXPECT_EQ(f.x_divisions, 1.0);
  EXPECT_EQ(starting_with("line"), (std::vector<std::string>{
                                       "line 64 328 64 24 0 1 0 13",
                                       "line 512 328 512 24 0 1 0 13",
                                       "line 64 328 512 328 0 1 0 13",
                                       "line 64 252 512 252 0 0 2 13",
                                       "line 64 176 512 176 0 0 2 13",
                                       "line 64 100 512 100 0 0 2 13",
                                       "line 64 24 512 24 0 1 0 13",
                                   }));
}

TEST_F(Axes, ErrorCodesAndWhatIsLeftUndrawn) {
  GraphFrame f = single(1, 0.0, 0.0, 1, 0.0, 0.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kNoXRange);
  f = single(1, 0.0, 10.0, 1, 0.0, 0.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kNoYRange);
  f = single(3, 0.0, 10.0, 1, 0.0, 1.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kLogBoundNotPositive);
  f = single(1, 10.0, 1.0, 1, 0.0, 1.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kRangeEmpty);
  EXPECT_TRUE(trace().empty());

  // A failing y axis leaves the x axis drawn, but no y grid and no axis texts.
  f = single(1, 0.0, 1200.0, 2, -1000.0, 900.0);
  std::strcpy(f.x_label, "x");
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kAngleRangeTooWide);
  EXPECT_EQ(count("line"), 7);
  EXPECT_TRUE(starting_with("line 64 328 512").empty());
  EXPECT_EQ(count("text 284 348"), 0);
  EXPECT_EQ(f.y_min, -1000.0);

  clear();
  f = single(1, 0.0, 1200.0, 1, 5.0, 5.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kRangeEmpty);
  EXPECT_EQ(count("line"), 7);

  // Scale types above 5 draw nothing and report nothing.
  clear();
  f = single(6, 1.0, 2.0, 9, 1.0, 2.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  EXPECT_EQ(count("line"), 0);
}

TEST_F(Axes, NonFiniteRangesEnd) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  GraphFrame f = single(1, nan, 5.0, 1, 0.0, 1.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kRangeEmpty);
  f = single(1, -inf, inf, 4, 0.0, 1.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  f = single(3, 1.0, inf, 3, 1e-320, 1.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  f = single(1, 1e20, 1e20 + 32768.0, 1, 0.0, 1.0);  // a step below the resolution of 1e20
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  f = single(2, 0.0, 90.0, 2, -inf, 0.0);
  EXPECT_EQ(draw_axes(g, f, ' ', ' '), kAngleRangeTooWide);
  // The zero lines of the two finite y axes are all that is drawn across the frame.
  EXPECT_EQ(count("line 64 328 512 328"), 2);
}

TEST_F(Axes, XyFrame) {
  GraphFrame f = single(1, 0.0, 0.01, 1, -4.0, 4.0);
  f.layout = 3;
  f.bottom = 344;
  f.width = 400;
  f.height = 320;
  std::strcpy(f.x_label, "x");
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  EXPECT_EQ(f.x_max, 0.01);  // not widened
  EXPECT_TRUE(has("line 64 344 64 24 0 1 0 13"));
  EXPECT_TRUE(has("line 264 344 264 24 0 1 0 13"));
  EXPECT_TRUE(has("line 464 344 464 24 0 1 0 13"));
  EXPECT_TRUE(has("point 104 343 0 0 13"));  // dotted 0x5555 from its second unit
  EXPECT_TRUE(has("line 72 182 72 186 0 1 0 13"));
  EXPECT_FALSE(has("line 464 182 464 186 0 1 0 13"));
  EXPECT_TRUE(has("line 64 184 464 184 0 1 0 13"));
  EXPECT_TRUE(has("line 262 312 266 312 0 1 0 13"));
  EXPECT_FALSE(has("line 262 352 266 352 0 1 0 13"));
  EXPECT_EQ(count("line"), 3 + 10 * 5 + 3 + 8 * 5);
  const std::vector<std::string> captions = {
      "text 196 348 0 0 1 1 → Ｘ： 1 ms  / div",
      "text 40 256 0 1 1 1 → Ｙ： 1  V  / div",
  };
  EXPECT_EQ(starting_with("text"), captions);
}

TEST_F(Axes, BitOrderMarks) {
  GraphFrame f = single(0, 0.0, 8.0, 0, 0.0, 1.0);
  f.layout = 4;
  f.width = 400;
  std::strcpy(f.x_label, "ab");
  std::strcpy(f.y_label, "Ｙ");
  ASSERT_EQ(draw_axes(g, f, ' ', ' '), kAxesDrawn);
  const std::vector<std::string> texts = starting_with("text");
  const std::vector<std::string> tail(texts.end() - 4, texts.end());
  const std::vector<std::string> expected = {
      "text 256 348 0 0 1 1 ab",
      "text 16 184 0 1 1 1 Ｙ",
      "text 64 348 0 0 1 1 (MSB)",
      "text 464 348 0 0 1 1 (LSB)",
  };
  EXPECT_EQ(tail, expected);
}

}  // namespace
}  // namespace tessaly::graph

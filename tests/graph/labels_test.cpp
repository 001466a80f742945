#include "graph/labels.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "graph_fixture.h"

namespace tessaly::graph {
namespace {

using testing::GraphTest;

struct Normalized {
  double mantissa;
  char prefix;
};

Normalized normalized(double value, char prefix) {
  Normalized n{};
  n.mantissa = normalize_si(value, prefix, &n.prefix);
  return n;
}

std::string legend_text(double value) {
  char buffer[kNumberTextCapacity];
  format_legend_value(buffer, sizeof buffer, value);
  return buffer;
}

std::string si_text(double value, char prefix) {
  char buffer[kNumberTextCapacity];
  format_si(buffer, sizeof buffer, value, prefix);
  return buffer;
}

TEST(Labels, NormalizeSi) {
  const struct {
    double value;
    char prefix;
    double mantissa;
    char out;
  } cases[] = {
      {0.05, ' ', 50.0, 'm'},   {1500.0, ' ', 1.5, 'k'},  {0.5, ' ', 0.5, ' '},
      {2.2e-6, ' ', 2.2, 'u'},  {-0.002, ' ', -2.0, 'm'}, {1e-18, ' ', 1.0, ' '},
      {999.9, ' ', 999.9, ' '}, {1000.0, ' ', 1.0, 'k'},  {47.0, 'k', 47.0, 'k'},
      {4700.0, 'k', 4.7, 'M'},  {0.0, 'k', 0.0, ' '},     {3.0, 'x', 3.0, ' '},
      {2e15, ' ', 2.0, 'E'},    {2e18, ' ', 2.0, ' '},
  };
  for (const auto& c : cases) {
    const Normalized n = normalized(c.value, c.prefix);
    EXPECT_NEAR(n.mantissa, c.mantissa, 1e-12 * std::abs(c.mantissa)) << c.value;
    EXPECT_EQ(n.prefix, c.out) << c.value;
  }
  EXPECT_EQ(prefix_factor('k'), 1000.0);
  EXPECT_EQ(prefix_factor('f'), 1e-15);
  EXPECT_EQ(prefix_factor('?'), 1.0);
}

TEST(Labels, NonFiniteValuesEndAndKeepTheirName) {
  const double inf = std::numeric_limits<double>::infinity();
  const Normalized n = normalized(-inf, 'k');
  EXPECT_EQ(n.mantissa, -inf);
  EXPECT_EQ(n.prefix, ' ');
  EXPECT_EQ(si_text(inf, ' '), "inf ");
  EXPECT_EQ(legend_text(inf), "inf ");
  EXPECT_EQ(legend_text(std::numeric_limits<double>::quiet_NaN()), "nan ");
}

TEST(Labels, LegendAndAxisTexts) {
  EXPECT_EQ(legend_text(4700.0), "4.70k");
  EXPECT_EQ(legend_text(47.0), "47.0 ");
  EXPECT_EQ(legend_text(470.0), "470 ");
  EXPECT_EQ(legend_text(0.5), "0.50 ");
  EXPECT_EQ(legend_text(1e6), "1.00M");
  EXPECT_EQ(legend_text(-3.0), "-3 ");
  EXPECT_EQ(legend_text(0.0), "0 ");
  EXPECT_EQ(legend_text(9999.0), "10.00k");
  EXPECT_EQ(legend_text(999.7), "1000 ");
  EXPECT_EQ(si_text(10.0, ' '), "10 ");
  EXPECT_EQ(si_text(10000.0, ' '), "10k");
  EXPECT_EQ(si_text(-0.3, ' '), "-0.3 ");
}

class LabelDrawing : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    g.upper_frame.left = 64;
    g.upper_frame.bottom = 180;
    g.upper_frame.width = 448;
    g.upper_frame.height = 156;
    g.main_frame.left = 64;
    g.main_frame.bottom = 328;
    g.main_frame.width = 320;
    g.main_frame.height = 304;
  }
};

TEST_F(LabelDrawing, NumbersAndScaleCaptions) {
  draw_number(g, 10, 20, 0.05, 0.9, 0.9, 0, ' ');
  draw_int_number(g, 10, 40, -4700, 1.0, 1.0, 2, ' ');
  draw_scale_per_div(g, 100, 200, 0.005, 0, ' ', 's', 0);
  draw_scale_per_div(g, 40, 250, 2.0, 0, ' ', 'V', 1);
  const std::vector<std::string> expected = {
      "text 10 20 0 0 0.9 0.9 50m",
      "text 10 40 2 0 1 1 -4k",
      "text 100 200 0 0 1 1 → Ｘ： 5 ms  / div",
      "text 40 250 0 1 1 1 → Ｙ： 2  V  / div",
  };
  EXPECT_EQ(trace(), expected);
}

TEST_F(LabelDrawing, LegendHeadingsOnlyWithTheFirstRow) {
  legend_value(g, 119, 0, 0, " Ｑ ", " ", 0.632, 1);
  legend_value(g, 119, 0, 1, " Ｑ ", " ", 1.9, 2);
  g.legend_rows = 0;
  legend_value(g, 81, 13, 0, "抵抗［Ω］", " ", 4700.0, 3);
  const std::vector<std::string> expected = {
      "text 522 24 0 0 1 1  Ｑ ",       "text 526 40 0 0 1 1  ",  "fill 528 41 588 55 7",
      "text 528 40 1 0 1 1 0.63 ",      "fill 528 57 588 71 7",   "text 528 56 2 0 1 1 1.90 ",
      "text 394 232 0 0 1 1 抵抗［Ω］", "text 398 248 0 0 1 1  ", "fill 400 249 460 263 7",
      "text 400 248 3 0 1 1 4.70k",
  };
  EXPECT_EQ(trace(), expected);
  EXPECT_EQ(g.legend_rows, 1);
}

TEST_F(LabelDrawing, BoxesAndCorners) {
  boxed_label(g, 27, 9, "fo", 1, 6);
  boxed_label(g, 0, 1, "12345678901", 0, 7);
  boxed_label(g, 0, 1, "123456789012", 0, 7);
  boxed_label_at_cell(g, 2, 3, "ＡＢ", 0, 7);
  const std::vector<std::string> boxes = {
      "fill 280 161 300 175 6", "text 282 160 1 0 1 1 fo",
      "fill 64 33 156 47 7",    "text 66 32 0 0 1 1 12345678901",
      "fill 64 33 186 47 7",    "text 66 32 0 0 1 1 123456789012",
      "fill 16 41 52 55 7",     "text 18 40 0 0 1 1 ＡＢ",
  };
  EXPECT_EQ(trace(), boxes);

  clear();
  corner_label(g, 119, "(Ombra)", 3);  // upper frame, nudge -2
  corner_label(g, 138, "(Velto)", 3);  // upper frame, any other kind: -6
  corner_label(g, 81, "", 3);          // main frame, nudge -2, an empty text still gets its box
  g.corner_nudges = &testing::quirn_nudges();
  corner_label(g, 138, "(Quirn)", 3);  // minus the length
  corner_label(g, 119, "(Quirn)", 3);
  const std::vector<std::string> corners = {
      "fill 446 26 508 40 7",        "text 452 25 3 0 1 1 (Ombra)", "fill 442 26 504 40 7",
      "text 444 25 3 0 1 1 (Velto)", "fill 371 26 380 40 7",        "text 377 25 3 0 1 1 ",
      "fill 441 26 503 40 7",        "text 442 25 3 0 1 1 (Quirn)", "fill 448 26 510 40 7",
      "text 456 25 3 0 1 1 (Quirn)",
  };
  EXPECT_EQ(trace(), corners);
}

TEST_F(LabelDrawing, RowsNamesAndReset) {
  row_value(g, 2, 3, "Ｒ", "Ω", 1500.0, 4);
  row_integer(g, 0, 1, "n", "", 12, 0);
  char names[2 * kTableTextCapacity] = {};
  std::snprintf(names, kTableTextCapacity, "ch1");
  std::snprintf(names + kTableTextCapacity, kTableTextCapacity, "チャネル");
  name_column(g, 2, 0, 10, 20, names, 5);
  legend_entry(g, 5, 1, 2, "head", "line", 6);
  legend_integer(g, 5, 1, 2, "head", "sub", -7, 6);
  const std::vector<std::string> expected = {
      "text 16 48 4 0 1 1 Ｒ",       "text 36 48 4 0 1 1 Ω",     "fill 68 49 128 63 7",
      "text 68 48 4 0 1 1 1.50k",    "text 0 16 0 0 1 1 n",      "text 12 16 0 0 1 1 ",
      "fill 28 17 64 31 7",          "text 28 16 0 0 1 1 12",    "text 64 34 5 0 1 1 ch1",
      "text 64 54 5 0 1 1 チャネル", "text 394 40 0 0 1 1 head", "text 398 72 6 0 1 1 line",
      "fill 400 89 436 103 7",       "text 400 88 6 0 1 1 -7",
  };
  EXPECT_EQ(trace(), expected);

  clear();
  g.frame_setup_count = 3;
  reset_legend(g);
  EXPECT_EQ(trace(), std::vector<std::string>{"alert"});
  EXPECT_EQ(g.legend_rows, 0);
  EXPECT_EQ(g.frame_setup_count, 0);
}

}  // namespace
}  // namespace tessaly::graph

#include "graph/setup.h"

#include <cstring>
#include <string>

#include "graph/axes.h"
#include "graph/labels.h"
#include "graph_fixture.h"

namespace tessaly::graph {
namespace {

class Setup : public testing::GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    GraphSettings& s = g.graph_settings;
    s.sweep_start = 10.0;
    s.sweep_stop = 100000.0;
    s.magnitude_min = 0.1;
    s.magnitude_max = 1000.0;
    s.phase_min = -90.0;
    s.phase_max = 90.0;
    s.locus_x_min = 0.0;
    s.locus_x_max = 1200.0;
    s.locus_y_min = -600.0;
    s.locus_y_max = 600.0;
    s.reactance_min = -60.0;
    s.reactance_max = 60.0;
  }

  static std::string date_line(int x, int y) {
    return "text " + std::to_string(x) + " " + std::to_string(y) + " 0 0 1 1 " +
           surface::date_stamp().text;
  }
};

TEST_F(Setup, Kind119StacksMagnitudeOverPhase) {
  set_up_graph(g, 119, g.graph_settings, "並列共振回路インピーダンス");
  for (const GraphFrame* f : {&g.upper_frame, &g.lower_frame}) {
    EXPECT_EQ(f->layout, 0);
    EXPECT_EQ(f->left, 64);
    EXPECT_EQ(f->width, 448);
    EXPECT_EQ(f->height, 156);
    EXPECT_EQ(f->x_scale, 3);
    EXPECT_EQ(f->x_min, 10.0);
    EXPECT_EQ(f->x_max, 100000.0);
  }
  EXPECT_EQ(g.upper_frame.bottom, 180);
  EXPECT_EQ(g.lower_frame.bottom, 352);
  EXPECT_EQ(g.upper_frame.y_scale, 3);
  EXPECT_EQ(g.lower_frame.y_scale, 2);
  EXPECT_STREQ(g.upper_frame.y_label, "｜Ｚ｜ ［Ω］");
  EXPECT_STREQ(g.lower_frame.y_label, "位相［度］");
  EXPECT_STREQ(g.lower_frame.x_label, "周波数 ［Ｈｚ］");

  const std::vector<std::string> lines = trace();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "text 184 4 0 0 1 1 並列共振回路インピーダンス");
  EXPECT_EQ(lines.back(), date_line(520, 398));
  EXPECT_EQ(g.upper_frame.pen_x[25], 64);
  EXPECT_EQ(g.upper_frame.pen_y[0], 180);
  EXPECT_EQ(g.lower_frame.pen_y[0], 0);  // only the first frame's pens are set
  EXPECT_EQ(g.graph_settings.freq_x_min, 0.0);
  EXPECT_EQ(g.graph_settings.freq_x_max, 0.0);
}

TEST_F(Setup, FrameWidthFollowsTheScaleType) {
  set_up_graph(g, 81, g.graph_settings, "");
  EXPECT_EQ(g.main_frame.width, 320);
  EXPECT_EQ(g.main_frame.x_min, 0.0);
  EXPECT_EQ(g.main_frame.y_min, -600.0);
  EXPECT_EQ(trace().back(), date_line(392, 398));

  set_up_graph(g, 96, g.graph_settings, "");
  EXPECT_EQ(g.main_frame.width, 448);
  EXPECT_EQ(g.main_frame.bottom, 328);
  EXPECT_EQ(g.main_frame.y_min, -60.0);
  EXPECT_STREQ(g.main_frame.y_label, "リアクタンス［Ω］");

  g.graph_settings.input_start = 1.0;
  g.graph_settings.input_stop = 5.0;
  g.graph_settings.output_y_min = -1.0;
  g.graph_settings.output_y_max = 1.0;
  std::strcpy(g.graph_settings.x_label_text, "入力電流");
  std::strcpy(g.graph_settings.y_label_text, "出力電流");
  set_up_graph(g, 4, g.graph_settings, "");
  EXPECT_EQ(g.main_frame.width, 400);
  EXPECT_STREQ(g.axis_label_x_table[0], "入力電流");
  EXPECT_STREQ(g.main_frame.y_label, "出力電流");

  std::strcpy(g.graph_settings.y_label_text, "｜Ｈ｜");
  set_up_graph(g, 120, g.graph_settings, "");
  EXPECT_STREQ(g.upper_frame.y_label, "｜Ｈ｜");
  EXPECT_STREQ(g.lower_frame.y_label, "位相［度］");

  reset_axis_labels(g);
  EXPECT_STREQ(g.axis_label_x_table[0], "入力");
  EXPECT_STREQ(g.axis_label_y_table[18], "｜Ｚ｜ ［Ω］");
}

TEST_F(Setup, CallersXRangeHoldsForOneSetUp) {
  g.graph_settings.freq_x_min = 100.0;
  g.graph_settings.freq_x_max = 1000.0;
  set_up_graph(g, 75, g.graph_settings, "");
  EXPECT_EQ(g.main_frame.x_min, 100.0);
  EXPECT_EQ(g.main_frame.x_max, 1000.0);
  set_up_graph(g, 75, g.graph_settings, "");
  EXPECT_EQ(g.main_frame.x_min, 10.0);
  EXPECT_EQ(g.main_frame.x_max, 100000.0);
}

TEST_F(Setup, EmptyTitleStillStampsTheDate) {
  set_up_graph(g, 75, g.graph_settings, "");
  const std::vector<std::string> lines = trace();
  EXPECT_EQ(lines[lines.size() - 2], "text 288 4 0 0 1 1 ");
  EXPECT_EQ(lines.back(), date_line(520, 398));
}

TEST_F(Setup, ScaleErrorInTheUpperFrameStopsSetUp) {
  g.graph_settings.magnitude_min = 0.0;
  set_up_graph(g, 119, g.graph_settings, "title");
  const std::vector<std::string> tail = {"error 1", "alert", "alert", "alert"};
  const std::vector<std::string> lines = trace();
  ASSERT_GE(lines.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()), tail);
  EXPECT_EQ(count("line 64 352"), 0);        // the lower frame has no axes
  EXPECT_EQ(count("line 64 180 64 24"), 1);  // the upper x axis was drawn
  EXPECT_EQ(count("text 268 4 "), 0);        // no title
  EXPECT_EQ(g.upper_frame.pen_x[0], 0);
}

TEST_F(Setup, KindsWithoutFramesTouchNothing) {
  g.graph_settings.freq_x_min = 5.0;
  for (int kind : {0, -3, 77, 146}) {
    set_up_graph(g, kind, g.graph_settings, "t");
    EXPECT_TRUE(trace().empty()) << kind;
    EXPECT_EQ(g.main_frame.width, 0) << kind;
    EXPECT_EQ(g.upper_frame.width, 0) << kind;
    EXPECT_EQ(g.graph_settings.freq_x_min, 0.0) << kind;
  }
  EXPECT_EQ(g.graph_settings.dash_mask, 0xAAAA);
  EXPECT_EQ(g.graph_settings.marker_size, 2);
}

TEST_F(Setup, LineAttributesReachAllThreeFrames) {
  g.graph_settings.pen_style = 4;
  g.graph_settings.pen_width = 1;
  g.graph_settings.dash_mask = 0xF6F6;
  g.graph_settings.marker = 3;
  refresh_line_attributes(g, g.graph_settings);
  for (const GraphFrame* f : {&g.main_frame, &g.upper_frame, &g.lower_frame}) {
    EXPECT_EQ(f->pen_style, 4);
    EXPECT_EQ(f->pen_width, 1);
    EXPECT_EQ(f->dash_mask, 0xF6F6);
    EXPECT_EQ(f->marker, 3);
    EXPECT_EQ(f->marker_size, 2);
  }
  EXPECT_EQ(g.channel_frames[0].pen_style, 0);
}

TEST_F(Setup, ChannelChart) {
  GraphSettings& s = g.graph_settings;
  s.time_start = 0.0;
  s.time_stop = 1.0;
  s.channel_count = 2;
  s.channel_y_min[1] = -5.0;
  s.channel_y_max[1] = 5.0;
  std::strcpy(s.channel_names[0], "CH1");
  std::strcpy(s.channel_names[1], "出力");
  std::strcpy(s.x_label_text, "time");
  s.channel_marks[0] = 'T';
  s.channel_marks[1] = 'L';
  set_up_graph(g, 2, s, "chart");
  EXPECT_EQ(g.channel_frames[0].bottom, 216);
  EXPECT_EQ(g.channel_frames[1].bottom, 408);
  EXPECT_EQ(g.channel_frames[1].height, 192);
  EXPECT_EQ(g.channel_frames[1].y_max, 5.0);
  EXPECT_EQ(g.channel_frames[1].x_max, 1.0);
  EXPECT_STREQ(g.channel_frames[1].y_label, "出力");
  const std::vector<std::string> expected = {
      "line 64 120 464 120 0 0 0 13", "line 64 29 64 211 0 0 0 13",  "text 32 215 0 1 1 1 CH1",
      "line 64 408 464 408 0 0 0 13", "line 64 226 64 408 0 0 0 13", "text 32 408 0 1 1 1 出力",
      "text 244 4 0 0 1 1 chart",     "text 264 412 0 0 1 1 time",   date_line(472, 428),
  };
  EXPECT_EQ(trace(), expected);

  // The tag of a channel kind sits 4 units higher, on the first channel.
  clear();
  corner_label(g, 2, "", 3);
  EXPECT_EQ(trace()[0], "fill 450 22 459 36 7");
}

}  // namespace
}  // namespace tessaly::graph

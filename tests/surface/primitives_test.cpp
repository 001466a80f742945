#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/surface.h"
#include "surface_fixture.h"

namespace tessaly::surface {
namespace {

using Lines = std::vector<std::string>;

class Primitives : public testing::SurfaceTest {};

TEST_F(Primitives, ColourTable) {
  const std::uint32_t expected[16] = {0x01000000, 0x01000010, 0x0100000D, 0x01000011,
                                      0x0100000E, 0x01000012, 0x0100000F, 0x01000013,
                                      0x01000007, 0x01000004, 0x0100000F, 0x01000005,
                                      0x01000002, 0x01000006, 0x01000003, 0x0100000C};
  for (int k = 0; k < 16; ++k) EXPECT_EQ(surface_.colour_table[k], expected[k]) << "colour " << k;
  EXPECT_EQ(surface_.background_colour, 0x01000013u);

  struct Expect {
    int colour, r, g, b;
  };
  for (const Expect& e : {Expect{0, 0, 0, 0}, Expect{2, 255, 0, 0}, Expect{6, 255, 255, 0},
                          Expect{7, 255, 255, 255}, Expect{8, 192, 192, 192}, Expect{9, 0, 0, 128},
                          Expect{10, 255, 255, 0}, Expect{15, 128, 128, 128}}) {
    const Rgb rgb = colour_rgb(e.colour);
    EXPECT_EQ((std::vector<int>{rgb.r, rgb.g, rgb.b}), (std::vector<int>{e.r, e.g, e.b}))
        << "colour " << e.colour;
  }
  const Rgb white = reference_rgb(surface_.background_colour);
  EXPECT_EQ((std::vector<int>{white.r, white.g, white.b}), (std::vector<int>{255, 255, 255}));
  const Rgb dark_cyan = reference_rgb(surface_.colour_table[13]);
  EXPECT_EQ((std::vector<int>{dark_cyan.r, dark_cyan.g, dark_cyan.b}),
            (std::vector<int>{0, 128, 128}));
  const Rgb plain = reference_rgb(0x00302010);
  EXPECT_EQ((std::vector<int>{plain.r, plain.g, plain.b}), (std::vector<int>{0x10, 0x20, 0x30}));
}

TEST_F(Primitives, LinesCarryTheirEndsAndTheCurrentPosition) {
  surface_.move_to(10, 20);
  surface_.line_to(30, 40, 2, 1, 0, 13);
  surface_.line_to(50, 20, 3, 0, 2, 7);
  surface_.draw_line(5, 6, 7, 8, 0, 0, 2);
  surface_.draw_line_mode(1, 2, 3, 4, 5, 6, 1, 7);
  surface_.line_to(0, 0, 1, 0, 0, 13);  // draw_line and draw_line_mode leave the position alone
  surface_.plot_point(100, 200, 4, 3, 13);
  surface_.line_to(110, 200, 4, 1, 0, 13);
  EXPECT_EQ(trace(),
            (Lines{"line 10 20 30 40 2 1 0 13", "line 30 40 50 20 3 0 2 7", "line 5 6 7 8 0 0 2 13",
                   "line 1 2 3 4 5 6 1 7", "line 50 20 0 0 1 0 0 13", "point 100 200 4 3 13",
                   "line 100 200 110 200 4 1 0 13"}));
}

TEST_F(Primitives, ShapesOrderTheirCorners) {
  surface_.fill_box(10, 10, 5, 5, 7);
  surface_.fill_box(5, 10, 10, 5, 6);
  surface_.draw_box(300, 20, 100, 200, 1, 2, 3);
  surface_.draw_circle(100, 100, 10, 2, 0, 0);
  surface_.draw_ellipse(50, 60, 20, 10, 3, 1, 1);
  surface_.flood_fill(320, 240, 6, 0);
  EXPECT_EQ(trace(), (Lines{"fill 5 5 10 10 7", "fill 5 5 10 10 6", "box 100 20 300 200 1 2 3",
                            "ellipse 100 100 10 10 2 0 0", "ellipse 50 60 20 10 3 1 1",
                            "flood 320 240 6 0"}));
}

TEST_F(Primitives, TextPositionsAndFactors) {
  surface_.draw_text(10, 20, "Ｘ軸 ", 1.5, 2.0, 1, 1);
  surface_.text_at(30, 40, "fo", 1, 0);
  surface_.text_centred(100, 50, "1.2k", 0, 0);
  surface_.text_centred(100, 60, "共振点", 0, 0);  // six Shift-JIS bytes
  surface_.text_at_cell(3, 2, "周波数  ", 3);
  EXPECT_EQ(trace(),
            (Lines{"text 10 20 1 1 1.5 2 Ｘ軸 ", "text 30 40 1 0 1 1 fo", "text 84 50 0 0 1 1 1.2k",
                   "text 76 60 0 0 1 1 共振点", "text 24 32 3 0 1 1 周波数  "}));
}

TEST_F(Primitives, AlertReachesTheTraceAndTheHook) {
  int rung = 0;
  surface_.set_alert_hook([](void* count) { ++*static_cast<int*>(count); }, &rung);
  surface_.alert();
  surface_.alert();
  surface_.set_alert_hook(nullptr, nullptr);
  surface_.alert();
  EXPECT_EQ(rung, 2);
  EXPECT_EQ(trace(), (Lines{"alert", "alert", "alert"}));
}

TEST_F(Primitives, SaveSetAndClearScreenGoThroughTheBackend) {
  surface_.create_save_bitmaps(2, 64, 32);
  surface_.save_area(1, 10, 20);
  surface_.restore_area(1, 30, 40, 0x00CC0020);
  surface_.delete_save_bitmaps();
  surface_.client_width = 900;
  surface_.client_height = 650;
  surface_.clear_screen();
  EXPECT_EQ(trace(), (Lines{"create_bitmaps 2 64 32", "save 1 10 20", "restore 1 30 40 13369376",
                            "delete_bitmaps", "clear 900 650"}));
}

TEST_F(Primitives, TraceKeepsItsStorageBetweenPasses) {
  for (int i = 0; i < 100; ++i) surface_.draw_line(i, 0, i, 479, 0, 0, 0);
  const std::size_t capacity = recorder_.trace().capacity();
  clear();
  EXPECT_TRUE(recorder_.trace().empty());
  EXPECT_EQ(recorder_.trace().capacity(), capacity);
  surface_.draw_line(1, 2, 3, 4, 0, 0, 0);
  EXPECT_EQ(recorder_.trace(), "line 1 2 3 4 0 0 0 13\n");
}

TEST_F(Primitives, ANewSurfaceStartsAtTheStartUpState) {
  surface_.device_scale_x = 7.5;
  surface_.device_scale_y = 7.5;
  surface_.output_target = 1;
  surface_.set_logical_screen(640, 480, 1.5);
  surface_.client_width = 10;
  surface_.colour_table[3] = 0;
  surface_.move_to(7, 9);
  Surface fresh;
  EXPECT_EQ(fresh.device_scale_x, 1.0);
  EXPECT_EQ(fresh.device_scale_y, 1.0);
  EXPECT_EQ(fresh.output_target, 0);
  EXPECT_EQ(fresh.display_scale, 1.0);
  EXPECT_EQ(fresh.client_width, 640);
  EXPECT_EQ(fresh.client_height, 480);
  EXPECT_EQ(fresh.colour_table[3], 0x01000011u);
  clear();
  fresh.line_to(3, 3, 0, 0, 0, 13);  // bound to nothing yet
  fresh.move_to(0, 0);
  {
    const TargetBinding binding(fresh, recorder_);
    fresh.line_to(1, 1, 0, 0, 0, 13);
  }
  fresh.line_to(2, 2, 0, 0, 0, 13);  // the binding is over: nothing reaches the recorder
  EXPECT_EQ(trace(), (Lines{"line 0 0 1 1 0 0 0 13"}));
}

}  // namespace
}  // namespace tessaly::surface

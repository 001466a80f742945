#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/surface.h"
#include "surface_fixture.h"

namespace tessaly::surface {
namespace {

using Lines = std::vector<std::string>;

class Clip : public testing::SurfaceTest {};

TEST_F(Clip, TraceCarriesTheFramesLogicalRectangle) {
  set_logical_screen(640, 480, 1.5);
  set_clip_to_frame(64, 400, 400, 300);
  reset_clip();
  output_target = 1;
  device_scale_x = 7.5;
  device_scale_y = 7.5;
  set_clip_to_frame(64, 180, 448, 156);
  EXPECT_EQ(trace(), (Lines{"clip 64 100 464 400", "unclip", "clip 64 24 512 180"}));
}

}  // namespace
}  // namespace tessaly::surface

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
  surface_.set_logical_screen(640, 480, 1.5);
  surface_.set_clip_to_frame(64, 400, 400, 300);
  surface_.reset_clip();
  surface_.output_target = 1;
  surface_.device_scale_x = 7.5;
  surface_.device_scale_y = 7.5;
  surface_.set_clip_to_frame(64, 180, 448, 156);
  EXPECT_EQ(trace(), (Lines{"clip 64 100 464 400", "unclip", "clip 64 24 512 180"}));
}

}  // namespace
}  // namespace tessaly::surface

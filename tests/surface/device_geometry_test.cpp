#include "surface/device_geometry.h"

#include <gtest/gtest.h>

#include <vector>

#include "surface/surface.h"
#include "surface_fixture.h"

namespace tessaly::surface {
namespace {

std::vector<int> corners(const DeviceRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

class DeviceGeometry : public testing::SurfaceTest {
 protected:
  // A 600 dots-per-inch printer, a 96 dots-per-inch screen, print magnification 1.2.
  void print_at_600_dpi() {
    surface_.output_target = 1;
    surface_.device_scale_x = 600 * 1.2 / 96;
    surface_.device_scale_y = 600 * 1.2 / 96;
  }
};

TEST_F(DeviceGeometry, PrinterScalesTruncate) {
  print_at_600_dpi();
  EXPECT_EQ(surface_.device_scale_x, 7.5);
  EXPECT_EQ(surface_.device_x(100), 750);
  EXPECT_EQ(surface_.device_y(200), 1500);
  EXPECT_EQ(surface_.device_x(3), 22);
  EXPECT_EQ(surface_.device_y(-3), -22);  // toward zero, not down
  const FontCell cell = surface_.font_cell(1.0, 1.0);
  EXPECT_EQ(cell.height, 120);
  EXPECT_EQ(cell.byte_width, 60);
  const FontCell odd = surface_.font_cell(1.01, 1.01);  // 121.2 high, 60.6 wide
  EXPECT_EQ(odd.height, 121);
  EXPECT_EQ(odd.byte_width, 60);
  // The far edges get their +1 before the scaling.
  EXPECT_EQ(corners(surface_.box_device_rect(5, 5, 10, 10)), (std::vector<int>{37, 37, 82, 82}));
  EXPECT_EQ(corners(surface_.ellipse_device_rect(100, 100, 10, 10)),
            (std::vector<int>{675, 675, 832, 832}));
  // Coordinates beyond the device's reach saturate instead of overflowing.
  EXPECT_EQ(surface_.device_x(1000000000), 2147483647);
  EXPECT_EQ(surface_.device_x(-1000000000), -2147483647 - 1);
}

TEST_F(DeviceGeometry, WindowKeepsLogicalUnits) {
  surface_.set_logical_screen(640, 480, 1.5);
  EXPECT_EQ(surface_.display_scale, 1.5);
  EXPECT_EQ(surface_.device_x(3), 3);
  EXPECT_EQ(corners(surface_.box_device_rect(5, 5, 10, 10)), (std::vector<int>{5, 5, 11, 11}));
  EXPECT_EQ(corners(surface_.ellipse_device_rect(100, 100, 10, 10)),
            (std::vector<int>{90, 90, 111, 111}));
  const FontCell cell = surface_.font_cell(0.8, 1.5);
  EXPECT_EQ(cell.height, 24);
  EXPECT_EQ(cell.byte_width, 6);
}

TEST_F(DeviceGeometry, ClipRegionsInDeviceUnits) {
  surface_.set_logical_screen(640, 480, 1.5);
  // left 64, bottom 400, width 400, height 300
  EXPECT_EQ(corners(surface_.clip_device_rect(64, 100, 464, 400)),
            (std::vector<int>{96, 150, 696, 600}));
  surface_.client_width = 955;
  surface_.client_height = 667;
  EXPECT_EQ(corners(surface_.unclip_device_rect()), (std::vector<int>{0, 0, 1432, 1000}));

  print_at_600_dpi();
  surface_.device_scale_y = 7.3;  // a printer whose two resolutions differ
  EXPECT_EQ(corners(surface_.clip_device_rect(64, 100, 464, 400)),
            (std::vector<int>{480, 730, 3480, 2920}));
  EXPECT_EQ(corners(surface_.unclip_device_rect()), (std::vector<int>{0, 0, 7162, 4869}));
}

TEST_F(DeviceGeometry, WindowMapping) {
  const WindowMapping m12 = window_mapping(640, 480, 1.2);
  EXPECT_EQ(m12.viewport_width, 768);
  EXPECT_EQ(m12.viewport_height, 576);
  EXPECT_DOUBLE_EQ(m12.scale, 1.2);
  const WindowMapping m15 = window_mapping(640, 480, 1.5);
  EXPECT_EQ(m15.viewport_width, 960);
  EXPECT_EQ(m15.viewport_height, 720);
  EXPECT_EQ(m15.scale, 1.5);
  // 640 x 1.23 = 787.2 and 480 x 1.23 = 590.4: the smaller ratio, 590 / 480, wins.
  const WindowMapping odd = window_mapping(640, 480, 1.23);
  EXPECT_EQ(odd.viewport_width, 787);
  EXPECT_EQ(odd.viewport_height, 590);
  EXPECT_DOUBLE_EQ(odd.scale, 590.0 / 480.0);
}

}  // namespace
}  // namespace tessaly::surface

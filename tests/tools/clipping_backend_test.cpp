#include "tools/clipping_backend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/recording_backend.h"

namespace tessaly::tools {
namespace {

TEST(ClippingBackend, CutsSegmentsAndDotsAtTheClip) {
  surface::RecordingBackend device;
  ClippingBackend clipping(device);
  clipping.line(0, 0, 700, 500, 1, 1, 0, 13);
  clipping.clip(64, 24, 512, 180);
  clipping.line(100, 100, 200, 150, 2, 1, 0, 13);  // inside
  clipping.line(500, 100, 600, 100, 2, 1, 0, 13);  // leaves on the right
  clipping.line(64, 0, 164, 200, 3, 1, 0, 13);     // crosses top and bottom
  clipping.line(0, 10, 600, 10, 4, 1, 0, 13);      // above the frame
  clipping.line(30, 30, 30, 30, 4, 1, 0, 13);      // a dot outside
  clipping.point(64, 24, 5, 1, 13);
  clipping.point(513, 100, 5, 1, 13);
  clipping.fill(500, 170, 520, 190, 7);
  clipping.fill(600, 10, 620, 20, 7);
  clipping.text(600, 10, 0, 0, 1.0, 1.0, "fo");
  clipping.unclip();
  clipping.point(513, 100, 6, 1, 13);
  EXPECT_EQ(device.lines(), (std::vector<std::string>{
                                "line 0 0 700 500 1 1 0 13",
                                "clip 64 24 512 180",
                                "line 100 100 200 150 2 1 0 13",
                                "line 500 100 512 100 2 1 0 13",
                                "line 76 24 154 180 3 1 0 13",
                                "point 64 24 5 1 13",
                                "fill 500 170 512 180 7",
                                "text 600 10 0 0 1 1 fo",
                                "unclip",
                                "point 513 100 6 1 13",
                            }));
}

}  // namespace
}  // namespace tessaly::tools

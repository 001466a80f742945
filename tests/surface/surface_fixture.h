// Shared set-up of the surface tests: a fresh surface at its start-up state, drawing into a
// recording backend.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace tessaly::surface::testing {

class SurfaceTest : public ::testing::Test {
 protected:
  std::vector<std::string> trace() const { return recorder_.lines(); }
  void clear() { recorder_.clear_trace(); }

  RecordingBackend recorder_;
  Surface surface_;
  TargetBinding binding_{surface_, recorder_};
};

}  // namespace tessaly::surface::testing

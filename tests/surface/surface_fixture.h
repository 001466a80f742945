// Shared set-up of the surface tests: the room at its start-up state, drawing into a
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
  void SetUp() override {
    reset_surface_state();
    current_dc = &recorder_;
  }
  void TearDown() override { reset_surface_state(); }

  std::vector<std::string> trace() const { return recorder_.lines(); }
  void clear() { recorder_.clear_trace(); }

  RecordingBackend recorder_;
};

}  // namespace tessaly::surface::testing

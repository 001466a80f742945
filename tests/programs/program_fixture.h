// Shared set-up of the program tests: replays steps on a headless window of its own the way the
// window applies them, and keeps the trace of the last window pass.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interaction/render_request.h"
#include "interaction/replay.h"
#include "programs/descriptor.h"
#include "surface/recording_backend.h"

namespace tessaly::testing {

inline interaction::Step command(int number) {
  interaction::Step step;
  step.kind = interaction::Step::Kind::kCommand;
  step.command = number;
  return step;
}

inline interaction::Step key(char character) {
  interaction::Step step;
  step.kind = interaction::Step::Kind::kCharacter;
  step.character = character;
  return step;
}

// The renderer's --set: the dialog's edits filled with the texts, then OK.
inline interaction::Step setting(const char* name, std::vector<std::string> texts) {
  interaction::Step step;
  step.kind = interaction::Step::Kind::kSetting;
  step.name = name;
  step.values = std::move(texts);
  return step;
}

class ProgramTest : public ::testing::Test {
 protected:
  // The start-up paint of a new window, each step with its repaint; the trace of the last
  // pass, by line. The window's session and graph stay as the last pass left them.
  void render(const ProgramDescriptor& program, const std::vector<interaction::Step>& steps = {}) {
    window_ = std::make_unique<interaction::HeadlessWindow>(program);
    surface::RecordingBackend recorder;
    interaction::LastPassTarget target(interaction::plan_repaints(program, steps).last_pass(),
                                       recorder);
    interaction::replay(*window_, steps, target);
    lines_ = recorder.lines();
  }

  Session& session() { return window_->session; }
  graph::Context& context() { return window_->graph; }

  bool has(const std::string& line) const {
    for (const std::string& l : lines_) {
      if (l == line) return true;
    }
    return false;
  }

  // Lines that start with prefix, in order.
  std::vector<std::string> starting_with(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& l : lines_) {
      if (l.compare(0, prefix.size(), prefix) == 0) found.push_back(l);
    }
    return found;
  }

  // Curve segments ("line" records) drawn in a colour with a solid pen of width 1.
  int solid_segments(int colour) const {
    const std::string tail = " " + std::to_string(colour) + " 1 0 13";
    int count = 0;
    for (const std::string& l : starting_with("line ")) {
      if (l.size() > tail.size() && l.compare(l.size() - tail.size(), tail.size(), tail) == 0) {
        ++count;
      }
    }
    return count;
  }

  // Dots of a patterned curve in a colour.
  int pattern_dots(int colour) const {
    const std::string tail = " " + std::to_string(colour) + " 1 13";
    int count = 0;
    for (const std::string& l : starting_with("point ")) {
      if (l.size() > tail.size() && l.compare(l.size() - tail.size(), tail.size(), tail) == 0) {
        ++count;
      }
    }
    return count;
  }

  std::vector<std::string> lines_;
  std::unique_ptr<interaction::HeadlessWindow> window_;
};

}  // namespace tessaly::testing

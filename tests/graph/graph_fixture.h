// Shared set-up of the graph tests: a fresh session, surface and graph context per test, a
// recording backend as the drawing target, and helpers to pick lines out of the trace.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/session.h"
#include "graph/context.h"
#include "graph/corner_nudge.h"
#include "graph/frame.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace tessaly::graph::testing {

// The corner nudges as Ombra and Velto lay them out, and Quirn's own.
inline const CornerNudgeTable& shared_nudges() {
  static const CornerNudgeRule rules[] = {
      {4, 5, 0, 0, true},       {38, 38, 0, -8, false},
      {40, 40, 0, -8, false},   {20, 37, 0, 0, true},
      {42, 45, 0, 0, true},     {1, 3, 0, -3, false},
      {102, 113, 0, -6, false}, {63, 71, 0, -6, false},
      {46, 57, 0, -6, false},   {15, 18, 12, 0, false},
      {119, 119, 0, -2, false}, {75, 75, 0, -2, false},
      {80, 81, 0, -2, false},   {INT_MIN, INT_MAX, 0, -6, false},
  };
  static const CornerNudgeTable table{rules, static_cast<int>(std::size(rules))};
  return table;
}

inline const CornerNudgeTable& quirn_nudges() {
  static const CornerNudgeRule rules[] = {
      {4, 5, 0, 0, true},       {38, 38, 0, -8, false}, {40, 40, 0, -8, false},
      {20, 37, 0, 0, true},     {42, 45, 0, 0, true},   {1, 3, 0, -3, false},
      {105, 105, 0, -6, false}, {65, 65, 0, -6, false}, {70, 70, 0, -6, false},
      {48, 48, 0, -6, false},   {15, 18, 12, 0, false}, {119, 119, 0, 0, false},
      {75, 75, 0, 0, false},    {80, 81, 0, 0, false},  {INT_MIN, INT_MAX, 0, 0, true},
  };
  static const CornerNudgeTable table{rules, static_cast<int>(std::size(rules))};
  return table;
}

class GraphTest : public ::testing::Test {
 protected:
  std::vector<std::string> trace() const { return recorder_.lines(); }

  // Trace lines that start with prefix, in order.
  std::vector<std::string> starting_with(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : recorder_.lines()) {
      if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    }
    return found;
  }

  int count(const std::string& prefix) const {
    return static_cast<int>(starting_with(prefix).size());
  }

  bool has(const std::string& line) const {
    for (const std::string& l : recorder_.lines()) {
      if (l == line) return true;
    }
    return false;
  }

  void clear() { recorder_.clear_trace(); }

  surface::RecordingBackend recorder_;
  surface::Surface surface;
  // Most tests draw outside any pass, so the fixture binds the recorder for the whole test.
  std::optional<surface::TargetBinding> binding_{std::in_place, surface, recorder_};
  Context g{surface, &shared_nudges()};
  Session session;
};

}  // namespace tessaly::graph::testing

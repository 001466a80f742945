// Sessions share nothing: programs drawn on threads at the same time, each with its own
// session, surface and graph context, draw exactly what each draws alone.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "core/session.h"
#include "graph/context.h"
#include "programs/descriptor.h"
#include "programs/passes.h"
#include "resources/commands.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace tessaly {
namespace {

struct Drawing {
  const ProgramDescriptor& program;
  int circuit_command;  // 0: the start-up circuit
};

// The traces of `passes` window passes of one new window of the drawing.
std::vector<std::string> draw(const Drawing& drawing, int passes) {
  Session session = start_session(drawing.program);
  if (drawing.circuit_command != 0) apply_menu_command(session, drawing.circuit_command);
  surface::Surface surface;
  graph::Context context(surface, drawing.program.corner_nudges);
  surface::RecordingBackend recorder;
  std::vector<std::string> traces;
  for (int pass = 0; pass < passes; ++pass) {
    recorder.clear_trace();
    window_pass(session, context, recorder, 96, 96);
    traces.push_back(recorder.trace());
  }
  return traces;
}

TEST(ConcurrentSessions, ProgramsOnThreadsDrawWhatTheyDrawAlone) {
  const Drawing drawings[] = {
      {ombra_program(), 0},
      {velto_program(), 303},  // series LC
      {quirn_program(), 304},  // R, L and C together
  };
  constexpr int kDrawings = 3;
  constexpr int kPasses = 3;
  std::vector<std::string> alone[kDrawings];
  for (int i = 0; i < kDrawings; ++i) alone[i] = draw(drawings[i], kPasses);
  ASSERT_NE(alone[0][0], alone[1][0]);
  ASSERT_NE(alone[1][0], alone[2][0]);

  for (int round = 0; round < 5; ++round) {
    std::vector<std::string> together[kDrawings];
    std::vector<std::thread> threads;
    for (int i = 0; i < kDrawings; ++i) {
      threads.emplace_back([&, i] { together[i] = draw(drawings[i], kPasses); });
    }
    for (std::thread& thread : threads) thread.join();
    for (int i = 0; i < kDrawings; ++i) {
      ASSERT_EQ(together[i].size(), alone[i].size());
      for (int pass = 0; pass < kPasses; ++pass) {
        EXPECT_TRUE(together[i][pass] == alone[i][pass])
            << drawings[i].program.id << ", round " << round << ", pass " << pass;
      }
    }
  }
}

}  // namespace
}  // namespace tessaly
